#pragma once
// Instance number -> entity type of every instance of a file, in about four bytes per instance, so the
// converter can name the target of any reference while it streams.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Step {

// The distinct entity names of a file; a complex instance's type is the list of its partial entities.
class TypeTable {
public:
    std::uint32_t intern(const std::vector<std::string>& names);
    const std::vector<std::string>& names(std::uint32_t type) const { return types_[type]; }
    std::uint32_t size() const { return static_cast<std::uint32_t>(types_.size()); }

private:
    std::vector<std::vector<std::string>> types_;
    std::map<std::vector<std::string>, std::uint32_t> ids_;
};

class InstanceIndex {
public:
    static constexpr std::uint32_t none = 0xFFFFFFFFu;
    // False when the number is already taken (the first one stays).
    bool add(std::uint64_t number, std::uint32_t type);
    std::uint32_t typeOf(std::uint64_t number) const;
    std::uint64_t largestNumber() const { return largest_; }
    std::uint64_t size() const { return count_; }

private:
    std::vector<std::uint32_t> dense_;               // by number; none where no instance
    std::map<std::uint64_t, std::uint32_t> sparse_;  // numbers far beyond the dense range
    std::uint64_t largest_ = 0;
    std::uint64_t count_ = 0;
};

}  // namespace Step
