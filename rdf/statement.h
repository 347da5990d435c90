#pragma once
#include <utility>

#include "rdf/node.h"

namespace Redland {

// One statement: its three nodes, each holding a reference of its own (null parts allowed).
class Statement {
public:
    Statement(Node subject, Node predicate, Node object)
        : subject_(std::move(subject)), predicate_(std::move(predicate)), object_(std::move(object)) {}

    const Node& subject() const { return subject_; }
    const Node& predicate() const { return predicate_; }
    const Node& object() const { return object_; }

private:
    Node subject_;
    Node predicate_;
    Node object_;
};

}  // namespace Redland
