#pragma once
// A streaming consumer of RDF statements: the writers implement it, producers that never hold a graph
// (the instance converter) feed it.
#include <string>
#include <utility>

namespace RdfCpp {

// One RDF term as plain text: an IRI, a blank node label (without "_:"), or a literal.
struct Term {
    enum class Kind { Iri, Blank, Literal };
    Kind kind = Kind::Iri;
    std::string value;     // IRI, blank label or lexical form
    std::string datatype;  // literal only; empty for a plain literal
    std::string language;  // literal only; empty when none

    static Term iri(std::string text) { return Term{Kind::Iri, std::move(text), {}, {}}; }
    static Term blank(std::string label) { return Term{Kind::Blank, std::move(label), {}, {}}; }
    static Term literal(std::string text, std::string datatypeIri = {}, std::string lang = {}) {
        return Term{Kind::Literal, std::move(text), std::move(datatypeIri), std::move(lang)};
    }
};

class TripleSink {
public:
    virtual ~TripleSink() = default;
    // Announces a namespace prefix before the first statement (writers without prefixes ignore it).
    virtual void prefix(const std::string& name, const std::string& namespaceIri) = 0;
    // False once writing failed; later statements are then ignored.
    virtual bool triple(const Term& subject, const Term& predicate, const Term& object) = 0;
    // Ends the output; false when anything written was lost.
    virtual bool finish() = 0;
};

}  // namespace RdfCpp
