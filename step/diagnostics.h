#pragma once
// Where the reader reports what it cannot read; the caller decides how many lines reach the user.
#include <cstdint>
#include <string>

namespace Step {

class Diagnostics {
public:
    virtual ~Diagnostics() = default;
    // line 0: the message concerns the whole file.
    virtual void report(std::uint64_t line, std::uint32_t column, const std::string& message) = 0;
};

}  // namespace Step
