#pragma once
// Writes statements as N-Triples while they arrive, one line each.
#include <cstdio>
#include <ostream>

#include "rdf/text_output.h"
#include "rdf/triple_sink.h"

namespace RdfCpp {

class NTriplesWriter : public TripleSink {
public:
    explicit NTriplesWriter(std::ostream& stream) : out_(stream) {}
    explicit NTriplesWriter(std::FILE* file) : out_(file) {}

    void prefix(const std::string&, const std::string&) override {}
    // False (and nothing more is written) for a statement RDF cannot hold or once a write failed.
    bool triple(const Term& subject, const Term& predicate, const Term& object) override;
    bool finish() override;

private:
    TextOutput out_;
    bool failed_ = false;
};

// True when the terms make an RDF statement: no literal subject, an IRI predicate.
bool isWellFormedTriple(const Term& subject, const Term& predicate);

}  // namespace RdfCpp
