#include "rdf/turtle_writer.h"

#include "rdf/ntriples_writer.h"
#include "rdf/term_escaping.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {
namespace {

const std::string RDF_TYPE = std::string(Vocabulary::RDF_NS) + "type";

bool sameTerm(const Term& a, const Term& b) {
    return a.kind == b.kind && a.value == b.value && a.datatype == b.datatype && a.language == b.language;
}

}  // namespace

void TurtleWriter::prefix(const std::string& name, const std::string& namespaceIri) {
    if (failed_ || !prefixes_.add(name, namespaceIri)) return;
    endSubject();
    std::string& text = out_.buffer();
    text += "@prefix ";
    text += name;
    text += ": ";
    appendIriRef(text, namespaceIri);
    text += " .\n";
    anyOutput_ = true;
}

bool TurtleWriter::appendTerm(std::string& text, const Term& term) {
    return RdfCpp::appendTerm(text, term,
                              [this](std::string& out, const std::string& iri) { prefixes_.appendIri(out, iri); });
}

void TurtleWriter::endSubject() {
    if (!open_) return;
    out_.buffer() += " .\n";
    open_ = false;
}

bool TurtleWriter::triple(const Term& subject, const Term& predicate, const Term& object) {
    if (failed_ || !out_.ok()) return false;
    if (!isWellFormedTriple(subject, predicate)) {
        failed_ = true;
        return false;
    }
    std::string& text = out_.buffer();
    const std::size_t start = text.size();
    const bool sameSubject = open_ && sameTerm(subject, subject_);
    if (sameSubject && sameTerm(predicate, predicate_)) {
        text += " ,\n        ";
    } else {
        if (sameSubject) {
            text += " ;\n    ";
        } else {
            if (open_) text += " .\n";
            if (anyOutput_) text += '\n';
            appendTerm(text, subject);
            text += ' ';
        }
        if (predicate.value == RDF_TYPE)
            text += 'a';
        else
            prefixes_.appendIri(text, predicate.value);
        text += ' ';
    }
    if (!appendTerm(text, object)) {
        text.resize(start);
        failed_ = true;
        return false;
    }
    if (!sameSubject) subject_ = subject;
    predicate_ = predicate;
    open_ = true;
    anyOutput_ = true;
    out_.flushIfFull();
    return out_.ok();
}

bool TurtleWriter::finish() {
    endSubject();
    return out_.flush() && !failed_;
}

}  // namespace RdfCpp
