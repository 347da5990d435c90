#pragma once
// The statements of one graph in memory. Every term is held once; a statement is three term numbers, chained
// with the other statements of its subject and of its object, which answers each look-up the graph makes
// without an ordered index.
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "rdf/node.h"

namespace Redland {

class StatementStore {
public:
    using Visitor = std::function<bool(const Node& subject, const Node& predicate, const Node& object)>;

    // False when the statement is not one RDF allows (subject an IRI or blank node, predicate an IRI, an
    // object); a statement already held is not held twice.
    bool add(const Node& subject, const Node& predicate, const Node& object);
    // False only for a statement RDF does not allow; one not held is not an error.
    bool remove(const Node& subject, const Node& predicate, const Node& object);
    bool contains(const Node& subject, const Node& predicate, const Node& object) const;
    size_t size() const { return live_; }
    void clear();

    // Each adds what it finds to out and says whether anything was found.
    bool targets(const Node& subject, const Node& predicate, std::set<Node>& out) const;
    bool sources(const Node& predicate, const Node& object, std::set<Node>& out) const;
    bool arcs(const Node& subject, const Node& object, std::set<Node>& out) const;
    bool arcsOut(const Node& subject, std::set<Node>& out) const;
    bool arcsIn(const Node& object, std::set<Node>& out) const;

    // Visits every statement in the order librdf's "trees" storage keeps (by subject, predicate, object;
    // blank nodes before literals before IRIs), so that files written from here read as they always have.
    // Stops at the first visit that returns false and returns false then.
    bool visitInOrder(const Visitor& visit) const;
    // The same in no particular order, for writers that lay the statements out themselves.
    bool visit(const Visitor& visit) const;

private:
    static constexpr uint32_t NONE = UINT32_MAX;
    struct Entry {
        uint32_t subject, predicate, object;
        uint32_t nextOfSubject, previousOfSubject, nextOfObject, previousOfObject;
    };
    struct Chains {
        uint32_t firstAsSubject = NONE, firstAsObject = NONE;
    };

    uint32_t termId(const Node& node) const;  // NONE when not held
    uint32_t internTerm(const Node& node);
    size_t termSlotOf(const void* identity) const;
    uint32_t find(uint32_t s, uint32_t p, uint32_t o) const;  // the entry, or NONE
    size_t slotOf(uint32_t s, uint32_t p, uint32_t o) const;  // its slot, or the one it would take
    void growSlots();
    void unlink(uint32_t entry);
    // Adds the give term of every statement on along's subject (or object) chain whose match term is
    // matchTerm (any statement, when matchTerm is null).
    bool gather(const Node& along, bool bySubject, const Node* matchTerm, uint32_t Entry::*match, uint32_t Entry::*give,
                std::set<Node>& out) const;

    std::vector<Node> terms_;  // holding them keeps their identities
    // Open addressing by identity, a null identity for an empty slot. Terms leave only all at once.
    struct TermSlot {
        const void* identity = nullptr;
        uint32_t id = 0;
    };
    std::vector<TermSlot> termSlots_;
    std::vector<Chains> chains_;  // per term
    std::vector<Entry> entries_;
    std::vector<uint32_t> freeEntries_;
    // Open addressing over the live entries: entry + 1, 0 for empty, TOMBSTONE for a removed one.
    std::vector<uint32_t> slots_;
    size_t usedSlots_ = 0;
    size_t live_ = 0;
};

}  // namespace Redland
