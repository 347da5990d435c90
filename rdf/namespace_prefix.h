#pragma once
// XML namespace prefixes and namespaces derived from ontology IRIs. RDF/XML writes every prefix as an XML
// name, so a prefix taken from an IRI's last segment ("2x3", "a b", "") would make the file unreadable.
#include <map>
#include <string>

namespace RdfCpp {

// Whether text can be an XML namespace prefix: an NCName in ASCII that does not start with "xml".
bool isXmlPrefix(const std::string& text);

// The prefix an IRI suggests: its last segment (after the last "/", "#" or ":", trailing ones ignored)
// when that is an XML prefix and not one of the standard prefixes (rdf, owl, expr, ...), otherwise "ns1".
std::string prefixForIri(const std::string& iri);

// The namespace of the terms named under an ontology IRI: the IRI without trailing "#", then one "#".
std::string namespaceForIri(const std::string& iri);

// The prefix table (namespace -> prefix) with every prefix that is not an XML prefix, or that a namespace
// earlier in key order already took, replaced by the first free "ns1", "ns2", ...
std::map<std::string, std::string> withXmlPrefixes(const std::map<std::string, std::string>& prefixes);

}  // namespace RdfCpp
