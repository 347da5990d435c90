#pragma once
// Replacing a file so that a failure never leaves it truncated: the new content goes to a temporary file
// in the same folder, which is renamed over the target only once it is complete. No fsync: the rename
// already protects against a run that dies mid-write, and flushing tripled the time of a conversion.
#include <functional>
#include <string>

namespace RdfCpp {

// write(tempPath) fills the temporary file and returns false on failure. On any failure the temporary file
// is removed, the target is left as it was, error receives a one-line reason and the result is false.
bool replaceFileAtomically(const std::string& target, const std::function<bool(const std::string&)>& write,
                           std::string& error);
bool writeTextAtomically(const std::string& target, const std::string& text, std::string& error);

}  // namespace RdfCpp
