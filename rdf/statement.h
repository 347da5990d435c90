#pragma once
#include <librdf.h>

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
    librdf_statement* get() const { return statement_; }  // shared, not transferred

private:
    librdf_statement* statement_ = nullptr;
};

}  // namespace Redland
