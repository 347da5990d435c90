#pragma once
// Blank node identifiers all come from one process counter. Ids read from a document are renamed to fresh
// ones, consistently within one parse, so that they never collide with ids generated in this run.

namespace Redland {

// Bracket one parse: the renaming table is per document.
void beginLoad();
void endLoad();

}  // namespace Redland
