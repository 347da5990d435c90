#include "rdf/clock.h"

#include <cerrno>
#include <cstdlib>

namespace RdfCpp {
namespace {

bool fixedTime(std::time_t& out) {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text) return false;
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < 0) return false;
    out = static_cast<std::time_t>(value);
    return true;
}

bool brokenDown(std::tm& out) {
    std::time_t fixed;
    if (fixedTime(fixed)) return gmtime_r(&fixed, &out) != nullptr;
    std::time_t now = std::time(nullptr);
    return localtime_r(&now, &out) != nullptr;
}

}  // namespace

std::time_t runTime() {
    std::time_t fixed;
    return fixedTime(fixed) ? fixed : std::time(nullptr);
}

bool runTimeIsFixed() {
    std::time_t fixed;
    return fixedTime(fixed);
}

std::string runTimeText() {
    std::tm parts{};
    char buffer[64] = {0};
    if (!brokenDown(parts) || !asctime_r(&parts, buffer)) return "\n";
    return buffer;
}

std::string runDate() {
    std::tm parts{};
    char buffer[16] = {0};
    if (!brokenDown(parts) || !std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &parts)) return "";
    return buffer;
}

}  // namespace RdfCpp
