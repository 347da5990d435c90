#pragma once
// Writes a whole graph as Turtle laid out the way ontologies are published: "@prefix" lines for the
// namespaces used, the ontology header first, then classes, properties and the other named subjects, each
// group sorted by IRI; statements grouped by subject with ";" and ",", "a" for rdf:type; a blank node used
// once is written in place as [ ... ], an RDF list as ( ... ). Statements are collected until finish().
#include <cstdio>
#include <deque>
#include <ostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
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
    // A term whose texts live in the writer's pool: a graph repeats the same IRIs many times over.
    struct Value {
        Term::Kind kind = Term::Kind::Iri;
        const std::string* value = nullptr;
        const std::string* datatype = nullptr;
        const std::string* language = nullptr;
    };
    using Property = std::pair<const std::string*, Value>;  // (predicate, object)
    struct Subject {
        Value term;
        std::vector<Property> properties;
    };
    // Texts are pooled, so one pointer stands for one text: maps below are keyed by pointer.
    using Subjects = std::unordered_map<const std::string*, Subject>;

    const std::string* intern(const std::string& text) { return &*pool_.insert(text).first; }
    // The subjects held there, sorted by their texts.
    static std::vector<const Subject*> sortedByText(const Subjects& subjects);
    Value valueOf(const Term& term);
    bool listItems(const std::string* head, std::vector<const Value*>& items, std::vector<const std::string*>& cells);
    bool appendObject(std::string& text, const Value& object, int level);
    bool appendProperties(std::string& text, const Subject& subject, int level);
    bool appendSubject(std::string& text, const Subject& subject);

    TextOutput out_;
    TurtlePrefixes prefixes_;
    std::unordered_set<std::string> pool_;  // nodes: the texts keep their places as the pool grows
    std::deque<std::string> literals_;
    Subjects blanks_;                                         // by label
    Subjects named_;                                          // by IRI
    Subject* last_ = nullptr;                                 // statements come grouped by subject
    std::unordered_map<const std::string*, int> references_;  // blank label -> statements with it as object
    std::unordered_set<const std::string*> written_;          // blank labels already written (or being written)
    std::size_t statements_ = 0;
    bool failed_ = false;
};

}  // namespace RdfCpp
