#pragma once
// Text and names as raptor's RDF/XML writer spells them, so that our output matches its byte for byte.
#include <string>

namespace RdfCpp {

// Element content (quote == 0) or an attribute value in double quotes (quote == '"'). False, leaving out
// partly written, for text XML 1.0 cannot hold (NUL and other control characters, bad UTF-8).
bool appendXmlEscaped(std::string& out, const std::string& text, char quote);

// Where an IRI splits into namespace and local name for an element name: the start of its longest suffix
// that is an XML name; npos when there is none or the whole IRI is one.
std::size_t xmlLocalNameStart(const std::string& iri);

}  // namespace RdfCpp
