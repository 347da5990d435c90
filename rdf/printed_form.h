#pragma once
// The text a Node prints as and is found by: librdf's N-Triples writing of the term, blank nodes in angle
// brackets. Terms raptor's writer would garble (a NUL, bytes that are not UTF-8) get forms of their own, so
// that no two terms print alike. Internal to rdf/.
#include <string>
#include <string_view>

#include "rdf/node.h"

namespace Redland {

void appendPrintedForm(std::string& out, Node::Kind kind, std::string_view text, std::string_view datatype,
                       std::string_view language);

}  // namespace Redland
