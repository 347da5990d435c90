#pragma once
// Writes a whole graph as Turtle laid out the way ontologies are published: "@prefix" lines for the
// namespaces used, the ontology header first, then classes, properties and the other named subjects, each
// group sorted by IRI; statements grouped by subject with ";" and ",", "a" for rdf:type; a blank node used
// once is written in place as [ ... ], an RDF list as ( ... ). Statements are collected until finish().
#include <cstdio>
#include <ostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "rdf/node.h"
#include "rdf/text_output.h"
#include "rdf/triple_sink.h"
#include "rdf/turtle_prefixes.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {

class GraphTurtleWriter : public TripleSink {
public:
    explicit GraphTurtleWriter(std::ostream& stream) : out_(stream) {}
    explicit GraphTurtleWriter(std::FILE* file) : out_(file) {}

    void prefix(const std::string& name, const std::string& namespaceIri) override;
    bool triple(const Term& subject, const Term& predicate, const Term& object) override;
    // The same for a graph's own terms, in any order: the layout does not depend on it.
    bool statement(const Redland::Node& subject, const Redland::Node& predicate, const Redland::Node& object);
    bool finish() override;

private:
    using Node = Redland::Node;
    using Property = std::pair<Node, Node>;  // (predicate, object)
    struct Subject {
        Node term;
        std::vector<Property> properties;
    };
    // A Node's identity stands for its term: the maps below are keyed by it.
    using Subjects = std::unordered_map<const void*, Subject>;
    static constexpr std::size_t PIECE_SIZE = 1 << 16;

    // The subjects held there, sorted by their texts.
    static std::vector<Subject*> sortedByText(Subjects& subjects);
    int groupOf(const Subject& subject) const;
    int references(const Node& blank) const;
    bool listItems(const Node& head, std::vector<const Node*>& items, std::vector<const void*>& cells) const;
    bool appendObject(std::string& text, const Node& object, int level);
    // Releases the subject's statements once they are written: nothing reads them again.
    bool appendProperties(std::string& text, Subject& subject, int level);
    bool appendSubject(std::string& text, Subject& subject);

    TextOutput out_;
    TurtlePrefixes prefixes_;
    Subjects blanks_, named_;
    Subject* last_ = nullptr;                          // statements mostly come grouped by subject
    std::unordered_map<const void*, int> references_;  // blank node -> statements with it as object
    std::unordered_set<const void*> written_;          // blank nodes already written (or being written)
    bool failed_ = false;
};

}  // namespace RdfCpp
