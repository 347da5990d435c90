#pragma once
#include <exception>
#include <string>

namespace RdfCpp {

// A failure inside the graph library; the message begins with the qualified operation name.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message(std::move(message)) {}
    const char* what() const noexcept override { return message.c_str(); }
    std::string message;
};

// Prints "Exception: " and the message on its own line: how every public operation reports a failure.
void printException(const std::string& message);

}  // namespace RdfCpp
