#include "rdf/statement_store.h"

#include <algorithm>

namespace Redland {
namespace {

const uint32_t TOMBSTONE = UINT32_MAX;

size_t mix(uint32_t s, uint32_t p, uint32_t o) {
    uint64_t h = (static_cast<uint64_t>(s) * 0x9E3779B97F4A7C15ULL) ^ (static_cast<uint64_t>(p) << 21) ^ o;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    return static_cast<size_t>(h ^ (h >> 32));
}

bool allowed(const Node& s, const Node& p, const Node& o) {
    return (s.isResource() || s.isBlank()) && p.isResource() && o.isValid();
}

// A term's place in librdf's "trees" storage order, read out once so that sorting compares plain bytes:
// blank nodes, then literals, then IRIs; IRIs and labels by their bytes, the shorter of two first where one
// begins the other; literals by datatype (none first), text, language. librdf takes texts that agree up to
// a NUL, and tags that agree as far as the shorter goes, for one term; here they stay two.
struct SortKey {
    int kind = 0;  // minus raptor's term type: blank nodes, then literals, then IRIs
    bool typed = false;
    std::string_view first, second, third;

    explicit SortKey(const Node& node) {
        switch (node.kind()) {
            case Node::Kind::Iri:
                kind = -1;
                first = node.text();
                break;
            case Node::Kind::Literal:
                kind = -2;
                typed = !node.datatype().empty();
                first = node.datatype();
                second = node.text();
                third = node.language();
                break;
            case Node::Kind::Blank:
                kind = -4;
                first = node.text();
                break;
        }
    }

    bool operator<(const SortKey& other) const {
        if (kind != other.kind) return kind < other.kind;
        if (typed != other.typed) return !typed;
        if (int r = first.compare(other.first)) return r < 0;
        if (int r = second.compare(other.second)) return r < 0;
        return third < other.third;
    }
};

}  // namespace

size_t StatementStore::termSlotOf(const void* identity) const {
    const size_t mask = termSlots_.size() - 1;
    size_t at = (reinterpret_cast<uintptr_t>(identity) >> 4) * 0x9E3779B97F4A7C15ULL >> 20 & mask;
    while (termSlots_[at].identity && termSlots_[at].identity != identity) at = (at + 1) & mask;
    return at;
}

uint32_t StatementStore::termId(const Node& node) const {
    if (termSlots_.empty()) return NONE;
    const TermSlot& slot = termSlots_[termSlotOf(node.identity())];
    return slot.identity ? slot.id : NONE;
}

uint32_t StatementStore::internTerm(const Node& node) {
    // At most half full, so that every probe ends soon.
    if ((terms_.size() + 1) * 2 > termSlots_.size()) {
        std::vector<TermSlot> old(std::max<size_t>(64, termSlots_.size() * 2));
        old.swap(termSlots_);
        for (const TermSlot& slot : old) {
            if (slot.identity) termSlots_[termSlotOf(slot.identity)] = slot;
        }
    }
    TermSlot& slot = termSlots_[termSlotOf(node.identity())];
    if (!slot.identity) {
        terms_.push_back(node);
        chains_.emplace_back();
        slot = {node.identity(), static_cast<uint32_t>(terms_.size() - 1)};
    }
    return slot.id;
}

size_t StatementStore::slotOf(uint32_t s, uint32_t p, uint32_t o) const {
    const size_t mask = slots_.size() - 1;
    size_t at = mix(s, p, o) & mask;
    size_t firstFree = SIZE_MAX;
    for (;; at = (at + 1) & mask) {
        const uint32_t slot = slots_[at];
        if (slot == 0) return firstFree != SIZE_MAX ? firstFree : at;
        if (slot == TOMBSTONE) {
            if (firstFree == SIZE_MAX) firstFree = at;
            continue;
        }
        const Entry& e = entries_[slot - 1];
        if (e.subject == s && e.predicate == p && e.object == o) return at;
    }
}

uint32_t StatementStore::find(uint32_t s, uint32_t p, uint32_t o) const {
    if (slots_.empty() || s == NONE || p == NONE || o == NONE) return NONE;
    const uint32_t slot = slots_[slotOf(s, p, o)];
    return slot == 0 || slot == TOMBSTONE ? NONE : slot - 1;
}

void StatementStore::growSlots() {
    size_t capacity = 64;
    while (capacity < live_ * 4) capacity *= 2;
    slots_.assign(capacity, 0);
    usedSlots_ = live_;
    for (uint32_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.subject == NONE) continue;
        slots_[slotOf(e.subject, e.predicate, e.object)] = i + 1;
    }
}

bool StatementStore::add(const Node& subject, const Node& predicate, const Node& object) {
    if (!allowed(subject, predicate, object)) return false;
    const uint32_t s = internTerm(subject), p = internTerm(predicate), o = internTerm(object);
    // Keeps the table at most half full, tombstones counted, so that every probe ends.
    if ((usedSlots_ + 1) * 2 > slots_.size()) growSlots();
    const size_t at = slotOf(s, p, o);
    if (slots_[at] != 0 && slots_[at] != TOMBSTONE) return true;  // held already
    uint32_t entry;
    if (!freeEntries_.empty()) {
        entry = freeEntries_.back();
        freeEntries_.pop_back();
    } else {
        entry = static_cast<uint32_t>(entries_.size());
        entries_.emplace_back();
    }
    Chains& ofSubject = chains_[s];
    Chains& ofObject = chains_[o];
    entries_[entry] = Entry{s, p, o, ofSubject.firstAsSubject, NONE, ofObject.firstAsObject, NONE};
    if (ofSubject.firstAsSubject != NONE) entries_[ofSubject.firstAsSubject].previousOfSubject = entry;
    if (ofObject.firstAsObject != NONE) entries_[ofObject.firstAsObject].previousOfObject = entry;
    ofSubject.firstAsSubject = entry;
    ofObject.firstAsObject = entry;
    if (slots_[at] == 0) ++usedSlots_;
    slots_[at] = entry + 1;
    ++live_;
    return true;
}

void StatementStore::unlink(uint32_t entry) {
    Entry& e = entries_[entry];
    if (e.previousOfSubject != NONE)
        entries_[e.previousOfSubject].nextOfSubject = e.nextOfSubject;
    else
        chains_[e.subject].firstAsSubject = e.nextOfSubject;
    if (e.nextOfSubject != NONE) entries_[e.nextOfSubject].previousOfSubject = e.previousOfSubject;
    if (e.previousOfObject != NONE)
        entries_[e.previousOfObject].nextOfObject = e.nextOfObject;
    else
        chains_[e.object].firstAsObject = e.nextOfObject;
    if (e.nextOfObject != NONE) entries_[e.nextOfObject].previousOfObject = e.previousOfObject;
}

bool StatementStore::remove(const Node& subject, const Node& predicate, const Node& object) {
    if (!allowed(subject, predicate, object)) return false;
    const uint32_t entry = find(termId(subject), termId(predicate), termId(object));
    if (entry == NONE) return true;
    Entry& e = entries_[entry];
    slots_[slotOf(e.subject, e.predicate, e.object)] = TOMBSTONE;
    unlink(entry);
    e.subject = NONE;
    freeEntries_.push_back(entry);
    --live_;
    return true;
}

bool StatementStore::contains(const Node& subject, const Node& predicate, const Node& object) const {
    return find(termId(subject), termId(predicate), termId(object)) != NONE;
}

void StatementStore::clear() {
    termSlots_.clear();
    terms_.clear();
    chains_.clear();
    entries_.clear();
    freeEntries_.clear();
    slots_.clear();
    usedSlots_ = 0;
    live_ = 0;
}

bool StatementStore::gather(const Node& along, bool bySubject, const Node* matchTerm, uint32_t Entry::*match,
                            uint32_t Entry::*give, std::set<Node>& out) const {
    const uint32_t term = termId(along);
    const uint32_t wanted = matchTerm ? termId(*matchTerm) : NONE;
    if (term == NONE || (matchTerm && wanted == NONE)) return false;
    const size_t before = out.size();
    for (uint32_t at = bySubject ? chains_[term].firstAsSubject : chains_[term].firstAsObject; at != NONE;) {
        const Entry& e = entries_[at];
        if (!matchTerm || e.*match == wanted) out.insert(terms_[e.*give]);
        at = bySubject ? e.nextOfSubject : e.nextOfObject;
    }
    return out.size() > before;
}

bool StatementStore::targets(const Node& subject, const Node& predicate, std::set<Node>& out) const {
    return gather(subject, true, &predicate, &Entry::predicate, &Entry::object, out);
}

bool StatementStore::sources(const Node& predicate, const Node& object, std::set<Node>& out) const {
    return gather(object, false, &predicate, &Entry::predicate, &Entry::subject, out);
}

bool StatementStore::arcs(const Node& subject, const Node& object, std::set<Node>& out) const {
    return gather(subject, true, &object, &Entry::object, &Entry::predicate, out);
}

bool StatementStore::arcsOut(const Node& subject, std::set<Node>& out) const {
    return gather(subject, true, nullptr, &Entry::predicate, &Entry::predicate, out);
}

bool StatementStore::arcsIn(const Node& object, std::set<Node>& out) const {
    return gather(object, false, nullptr, &Entry::predicate, &Entry::predicate, out);
}

bool StatementStore::visit(const Visitor& visit) const {
    for (const Entry& e : entries_) {
        if (e.subject != NONE && !visit(terms_[e.subject], terms_[e.predicate], terms_[e.object])) return false;
    }
    return true;
}

bool StatementStore::visitInOrder(const Visitor& visit) const {
    // Ranking the terms once leaves the statements to be sorted on numbers, and sorting the ranks
    // themselves, not entries that point at them, keeps the sort in one array.
    std::vector<std::pair<SortKey, uint32_t>> keys;
    keys.reserve(terms_.size());
    for (uint32_t i = 0; i < terms_.size(); ++i) keys.emplace_back(SortKey(terms_[i]), i);
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<uint32_t> rank(terms_.size()), termOfRank(terms_.size());
    for (uint32_t i = 0; i < keys.size(); ++i) {
        rank[keys[i].second] = i;
        termOfRank[i] = keys[i].second;
    }
    keys = {};

    struct Ranked {
        uint32_t subject, predicate, object;
        bool operator<(const Ranked& o) const {
            if (subject != o.subject) return subject < o.subject;
            if (predicate != o.predicate) return predicate < o.predicate;
            return object < o.object;
        }
    };
    std::vector<Ranked> order;
    order.reserve(live_);
    for (const Entry& e : entries_) {
        if (e.subject != NONE) order.push_back({rank[e.subject], rank[e.predicate], rank[e.object]});
    }
    rank = {};
    std::sort(order.begin(), order.end());
    for (const Ranked& r : order) {
        if (!visit(terms_[termOfRank[r.subject]], terms_[termOfRank[r.predicate]], terms_[termOfRank[r.object]]))
            return false;
    }
    return true;
}

}  // namespace Redland
