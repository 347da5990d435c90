#pragma once
#include "rdf/node.h"

namespace Redland {

// Owns one librdf statement built from references of its own to the three nodes (null parts allowed).
class Statement {
public:
    Statement(const Node& subject, const Node& predicate, const Node& object);
    Statement(const Statement& other);
    Statement& operator=(Statement other) noexcept;
    ~Statement();

    Node subject() const;
    Node predicate() const;
    Node object() const;

private:
    friend class Handles;
    void* statement_ = nullptr;  // a librdf_statement, an unnamed struct like librdf_node
};

}  // namespace Redland
