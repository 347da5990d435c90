#pragma once
// Telling IRIs from texts that only look like them, before they end up in RDF files.
#include <string>

namespace RdfCpp {

// Empty when text is an absolute IRI this system can write (a scheme, then no blank, control character,
// '<', '>', '"', '{', '}', '|', '\', '^' or '`', and at most one '#'); otherwise why it is not.
std::string iriFault(const std::string& text);

}  // namespace RdfCpp
