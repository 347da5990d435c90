#include "rdf/statement.h"

#include <utility>

#include "rdf/world.h"

namespace Redland {
namespace {

librdf_node* ownCopy(const Node& node) { return node.get() ? librdf_new_node_from_node(node.get()) : nullptr; }

}  // namespace

// librdf takes over the node references it is given, so the statement gets copies of its own.
Statement::Statement(const Node& subject, const Node& predicate, const Node& object)
    : statement_(librdf_new_statement_from_nodes(getWorld(), ownCopy(subject), ownCopy(predicate), ownCopy(object))) {}

Statement::Statement(const Statement& other)
    : statement_(other.statement_ ? librdf_new_statement_from_statement(other.statement_) : nullptr) {}

Statement& Statement::operator=(Statement other) noexcept {
    std::swap(statement_, other.statement_);
    return *this;
}

Statement::~Statement() {
    if (statement_) librdf_free_statement(statement_);
}

Node Statement::subject() const { return statement_ ? Node::share(librdf_statement_get_subject(statement_)) : Node(); }

Node Statement::predicate() const {
    return statement_ ? Node::share(librdf_statement_get_predicate(statement_)) : Node();
}

Node Statement::object() const { return statement_ ? Node::share(librdf_statement_get_object(statement_)) : Node(); }

}  // namespace Redland
