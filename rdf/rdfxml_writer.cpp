#include "rdf/rdfxml_writer.h"

#include <algorithm>
#include <vector>

#include "rdf/ntriples_writer.h"
#include "rdf/vocabulary.h"
#include "rdf/xml_escaping.h"

namespace RdfCpp {
namespace {

const std::string RDF_NS = Vocabulary::RDF_NS;
const std::string XML_LITERAL = RDF_NS + "XMLLiteral";

bool appendAttribute(std::string& text, const char* name, const std::string& value) {
    text += ' ';
    text += name;
    text += "=\"";
    if (!appendXmlEscaped(text, value, '"')) return false;
    text += '"';
    return true;
}

}  // namespace

RdfXmlWriter::RdfXmlWriter(std::ostream& stream) : out_(stream) { bindRdf(); }
RdfXmlWriter::RdfXmlWriter(std::FILE* file) : out_(file) { bindRdf(); }

void RdfXmlWriter::bindRdf() { prefix("rdf", RDF_NS); }

void RdfXmlWriter::prefix(const std::string& name, const std::string& namespaceIri) {
    if (headerWritten_ || namespaceIri.empty()) return;
    if (prefixOf_.count(namespaceIri) || namespaceOf_.count(name)) return;
    prefixOf_[namespaceIri] = name;
    namespaceOf_[name] = namespaceIri;
}

void RdfXmlWriter::writeHeader() {
    headerWritten_ = true;
    std::vector<std::string> declarations;
    for (const auto& [ns, name] : prefixOf_) {
        std::string declaration = name.empty() ? "xmlns" : "xmlns:" + name;
        std::string value;
        if (!appendAttribute(value, declaration.c_str(), ns)) {
            failed_ = true;
            return;
        }
        declarations.push_back(value);
    }
    std::sort(declarations.begin(), declarations.end());
    std::string& text = out_.buffer();
    text += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rdf:RDF";
    for (const std::string& declaration : declarations) text += declaration;
    text += ">\n";
}

bool RdfXmlWriter::appendStatement(std::string& text, const Term& subject, const Term& predicate,
                                   const Term& object) const {
    const std::size_t split = xmlLocalNameStart(predicate.value);
    if (split == std::string::npos) return false;
    const std::string ns = predicate.value.substr(0, split);
    const auto bound = prefixOf_.find(ns);
    std::string element;
    if (bound == prefixOf_.end())
        element = "ns0:";
    else if (!bound->second.empty())
        element = bound->second + ":";
    element.append(predicate.value, split, std::string::npos);

    text += "  <rdf:Description";
    if (!appendAttribute(text, subject.kind == Term::Kind::Blank ? "rdf:nodeID" : "rdf:about", subject.value))
        return false;
    text += ">\n    <";
    text += element;
    if (bound == prefixOf_.end() && !appendAttribute(text, "xmlns:ns0", ns)) return false;
    switch (object.kind) {
        case Term::Kind::Iri:
            if (!appendAttribute(text, "rdf:resource", object.value)) return false;
            text += "/>";
            break;
        case Term::Kind::Blank:
            if (!appendAttribute(text, "rdf:nodeID", object.value)) return false;
            text += "/>";
            break;
        case Term::Kind::Literal:
            if (!object.language.empty()) {
                if (!appendAttribute(text, "xml:lang", object.language)) return false;
                text += '>';
                if (!appendXmlEscaped(text, object.value, 0)) return false;
            } else if (object.datatype == XML_LITERAL) {
                text += " rdf:parseType=\"Literal\">";
                text += object.value;
            } else {
                if (!object.datatype.empty() && !appendAttribute(text, "rdf:datatype", object.datatype)) return false;
                text += '>';
                if (!appendXmlEscaped(text, object.value, 0)) return false;
            }
            text += "</";
            text += element;
            text += '>';
            break;
    }
    text += "\n  </rdf:Description>\n";
    return true;
}

bool RdfXmlWriter::triple(const Term& subject, const Term& predicate, const Term& object) {
    if (failed_ || !out_.ok()) return false;
    if (!headerWritten_) writeHeader();
    std::string& text = out_.buffer();
    const std::size_t start = text.size();
    if (failed_ || !isWellFormedTriple(subject, predicate) || !appendStatement(text, subject, predicate, object)) {
        text.resize(start);
        failed_ = true;
        return false;
    }
    out_.flushIfFull();
    return out_.ok();
}

bool RdfXmlWriter::finish() {
    if (!headerWritten_) writeHeader();
    out_.buffer() += "</rdf:RDF>\n";
    return out_.flush() && !failed_;
}

}  // namespace RdfCpp
