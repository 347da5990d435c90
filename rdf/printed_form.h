#pragma once
// The text a Node prints as and is compared by: librdf's N-Triples writing of the term, blank nodes in angle
// brackets. Terms raptor's writer would garble (a NUL, bytes that are not UTF-8) get forms of their own, so
// that no two terms print alike. Internal to rdf/.
#include <string>

#include "rdf/redland_handles.h"

namespace Redland {

std::string printedForm(librdf_node* node);

}  // namespace Redland
