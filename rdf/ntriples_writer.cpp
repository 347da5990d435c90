#include "rdf/ntriples_writer.h"

#include "rdf/term_escaping.h"

namespace RdfCpp {

bool isWellFormedTriple(const Term& subject, const Term& predicate) {
    return subject.kind != Term::Kind::Literal && predicate.kind == Term::Kind::Iri;
}

bool NTriplesWriter::triple(const Term& subject, const Term& predicate, const Term& object) {
    if (failed_ || !out_.ok()) return false;
    if (!isWellFormedTriple(subject, predicate)) {
        failed_ = true;
        return false;
    }
    std::string& text = out_.buffer();
    const std::size_t start = text.size();
    appendNTriplesTerm(text, subject);
    text += ' ';
    appendNTriplesTerm(text, predicate);
    text += ' ';
    if (!appendNTriplesTerm(text, object)) {
        text.resize(start);
        failed_ = true;
        return false;
    }
    text += " .\n";
    out_.flushIfFull();
    return out_.ok();
}

bool NTriplesWriter::finish() { return out_.flush() && !failed_; }

}  // namespace RdfCpp
