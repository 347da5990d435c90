#pragma once
// The messages of one conversion, each with the model file and its place in it; after the first few only
// counted, so a broken file does not bury the terminal.
#include <cstdint>
#include <ostream>
#include <string>

#include "step/diagnostics.h"

namespace Instances {

class MessageLog : public Step::Diagnostics {
public:
    static constexpr std::uint64_t shownMessages = 20;
    MessageLog(std::string modelPath, std::ostream& out) : path_(std::move(modelPath)), out_(out) {}
    void report(std::uint64_t line, std::uint32_t column, const std::string& message) override;
    // Prints the count of the messages not shown, if any.
    void finish();
    std::uint64_t count() const { return count_; }

private:
    std::string path_;
    std::ostream& out_;
    std::uint64_t count_ = 0;
};

}  // namespace Instances
