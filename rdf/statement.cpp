#include "rdf/statement.h"

#include <utility>

#include "rdf/redland_handles.h"

namespace Redland {
namespace {

librdf_node* ownCopy(const Node& node) { return raw(node) ? librdf_new_node_from_node(raw(node)) : nullptr; }

}  // namespace

// librdf takes over the node references it is given, so the statement gets copies of its own.
Statement::Statement(const Node& subject, const Node& predicate, const Node& object)
    : statement_(librdf_new_statement_from_nodes(getWorld(), ownCopy(subject), ownCopy(predicate), ownCopy(object))) {}

Statement::Statement(const Statement& other)
    : statement_(other.statement_ ? librdf_new_statement_from_statement(raw(other)) : nullptr) {}

Statement& Statement::operator=(Statement other) noexcept {
    std::swap(statement_, other.statement_);
    return *this;
}

Statement::~Statement() {
    if (statement_) librdf_free_statement(raw(*this));
}

Node Statement::subject() const { return statement_ ? shareNode(librdf_statement_get_subject(raw(*this))) : Node(); }

Node Statement::predicate() const {
    return statement_ ? shareNode(librdf_statement_get_predicate(raw(*this))) : Node();
}

Node Statement::object() const { return statement_ ? shareNode(librdf_statement_get_object(raw(*this))) : Node(); }

}  // namespace Redland
