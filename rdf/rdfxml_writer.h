#pragma once
// Writes statements as RDF/XML while they arrive, in the layout of raptor's "rdfxml" serializer: one
// rdf:Description per statement, namespaces declared on rdf:RDF in the order of their declarations' text,
// a predicate outside them declared on its own element as ns0.
#include <cstdio>
#include <map>
#include <ostream>
#include <string>

#include "rdf/text_output.h"
#include "rdf/triple_sink.h"

namespace RdfCpp {

class RdfXmlWriter : public TripleSink {
public:
    explicit RdfXmlWriter(std::ostream& stream);
    explicit RdfXmlWriter(std::FILE* file);

    // Before the first statement only; the first binding of a prefix, and of a namespace, wins.
    void prefix(const std::string& name, const std::string& namespaceIri) override;
    // False, and nothing more is written, for a statement RDF/XML cannot hold: a predicate without a
    // namespace and local name, or text XML 1.0 has no characters for.
    bool triple(const Term& subject, const Term& predicate, const Term& object) override;
    bool finish() override;

private:
    void bindRdf();
    void writeHeader();
    bool appendStatement(std::string& text, const Term& subject, const Term& predicate, const Term& object) const;

    TextOutput out_;
    std::map<std::string, std::string> prefixOf_;  // namespace -> prefix ("" is the default namespace)
    std::map<std::string, std::string> namespaceOf_;
    bool headerWritten_ = false;
    bool failed_ = false;
};

}  // namespace RdfCpp
