#pragma once
// Writes a whole graph as Turtle laid out the way ontologies are published: "@prefix" lines for the
// namespaces used, the ontology header first, then classes, properties and the other named subjects, each
// group sorted by IRI; statements grouped by subject with ";" and ",", "a" for rdf:type; a blank node used
// once is written in place as [ ... ], an RDF list as ( ... ). Statements are collected until finish().
#include <cstdio>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "rdf/text_output.h"
#include "rdf/triple_sink.h"
#include "rdf/turtle_prefixes.h"

namespace RdfCpp {

class GraphTurtleWriter : public TripleSink {
public:
    explicit GraphTurtleWriter(std::ostream& stream) : out_(stream) {}
    explicit GraphTurtleWriter(std::FILE* file) : out_(file) {}

    void prefix(const std::string& name, const std::string& namespaceIri) override;
    bool triple(const Term& subject, const Term& predicate, const Term& object) override;
    bool finish() override;

private:
    struct Subject {
        Term term;
        std::vector<std::pair<Term, Term>> properties;  // (predicate, object)
    };

    bool listItems(const std::string& head, std::vector<const Term*>& items, std::vector<std::string>& cells);
    bool appendObject(std::string& text, const Term& object, int level);
    bool appendProperties(std::string& text, const Subject& subject, int level);
    bool appendSubject(std::string& text, const Subject& subject);

    TextOutput out_;
    TurtlePrefixes prefixes_;
    std::map<std::string, Subject> blanks_;  // by label
    std::map<std::string, Subject> named_;   // by IRI
    std::map<std::string, int> references_;  // blank label -> statements with it as object
    std::set<std::string> written_;          // blank labels already written (or being written)
    bool failed_ = false;
};

}  // namespace RdfCpp
