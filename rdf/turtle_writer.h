#pragma once
// Writes statements as Turtle while they arrive: the announced prefixes abbreviate IRIs, rdf:type is
// written "a", consecutive statements about one subject share it with ";" and with one predicate with ",".
#include <cstdio>
#include <ostream>
#include <string>

#include "rdf/text_output.h"
#include "rdf/triple_sink.h"
#include "rdf/turtle_prefixes.h"

namespace RdfCpp {

class TurtleWriter : public TripleSink {
public:
    explicit TurtleWriter(std::ostream& stream) : out_(stream) {}
    explicit TurtleWriter(std::FILE* file) : out_(file) {}

    // A name Turtle cannot hold, or one already bound, is ignored; a prefix announced between statements
    // ends the current subject.
    void prefix(const std::string& name, const std::string& namespaceIri) override;
    bool triple(const Term& subject, const Term& predicate, const Term& object) override;
    bool finish() override;

private:
    bool appendTerm(std::string& text, const Term& term);
    void endSubject();

    TextOutput out_;
    TurtlePrefixes prefixes_;
    bool open_ = false;  // a subject's statement is unfinished
    bool anyOutput_ = false;
    Term subject_;
    Term predicate_;
    bool failed_ = false;
};

}  // namespace RdfCpp
