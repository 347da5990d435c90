#include "instances/message_log.h"

namespace Instances {

void MessageLog::report(std::uint64_t line, std::uint32_t column, const std::string& message) {
    if (++count_ > shownMessages) return;
    out_ << path_;
    if (line > 0) out_ << ":" << line << ":" << column;
    out_ << ": " << message << std::endl;
}

void MessageLog::finish() {
    if (count_ <= shownMessages) return;
    out_ << path_ << ": " << count_ << " messages in all, " << (count_ - shownMessages) << " not shown" << std::endl;
}

}  // namespace Instances
