#include "step/instance_index.h"

namespace Step {

std::uint32_t TypeTable::intern(const std::vector<std::string>& names) {
    auto found = ids_.find(names);
    if (found != ids_.end()) return found->second;
    const auto id = static_cast<std::uint32_t>(types_.size());
    types_.push_back(names);
    ids_.emplace(names, id);
    return id;
}

bool InstanceIndex::add(std::uint64_t number, std::uint32_t type) {
    // Numbers of real files are nearly dense; a stray huge one must not make the table huge.
    const std::uint64_t denseLimit = 4 * count_ + (1u << 20);
    if (number < dense_.size() || number < denseLimit) {
        if (number >= dense_.size()) {
            std::uint64_t grown = dense_.size() + dense_.size() / 2;
            if (grown < number + 1) grown = number + 1;
            if (grown > denseLimit) grown = denseLimit;
            if (grown < number + 1) grown = number + 1;
            dense_.resize(grown, none);
        }
        if (dense_[number] != none || sparse_.count(number)) return false;
        dense_[number] = type;
    } else if (!sparse_.emplace(number, type).second) {
        return false;
    }
    ++count_;
    if (number > largest_) largest_ = number;
    return true;
}

std::uint32_t InstanceIndex::typeOf(std::uint64_t number) const {
    if (number < dense_.size() && dense_[number] != none) return dense_[number];
    auto found = sparse_.find(number);
    return found == sparse_.end() ? none : found->second;
}

}  // namespace Step
