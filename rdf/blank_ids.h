#pragma once
// Blank node identifiers all come from one process counter. Ids read from a document are renamed to fresh
// ones, consistently within one parse, so that they never collide with ids generated in this run.

#include <string>

namespace Redland {

// "b1", "b2", ... in order of request. librdf's own generator (a null id given to
// librdf_new_node_from_blank_identifier) mixes in the process id, so the library never relies on it.
std::string newBlankId();

// Bracket one parse: the renaming table is per document.
void beginLoad();
void endLoad();

}  // namespace Redland
