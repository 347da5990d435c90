#pragma once
// Terms as the N-Triples and Turtle grammars spell them. Anything a term may hold comes out parseable:
// forbidden IRI characters and literal control characters become \u escapes, odd blank labels are encoded.
#include <string>
#include <string_view>

#include "rdf/triple_sink.h"

namespace RdfCpp {

// <iri> with the characters IRIREF excludes written as \uXXXX.
void appendIriRef(std::string& out, std::string_view iri);
// "text" with \" \\ \n \r \t, and \uXXXX for the other control characters.
void appendQuotedString(std::string& out, std::string_view text);
// _:label; a label that is not a plain BLANK_NODE_LABEL (or could be mistaken for an encoded one) is
// written as "x_" and the hex of its bytes, so distinct labels stay distinct.
void appendBlankLabel(std::string& out, std::string_view label);
// Any term, its IRIs (and a literal's datatype) written by appendIri(out, iri). False for a literal whose
// language tag the grammar cannot hold.
template <class IriWriter>
bool appendTerm(std::string& out, const Term& term, IriWriter&& appendIri);
// Any term in N-Triples form (appendTerm with appendIriRef).
bool appendNTriplesTerm(std::string& out, const Term& term);

// [a-zA-Z]+ ('-' [a-zA-Z0-9]+)*
bool isLanguageTag(std::string_view tag);
// A prefix name Turtle accepts (ASCII subset of PN_PREFIX; empty is the default prefix).
bool isPrefixName(const std::string& name);
// A local name Turtle accepts unescaped after "prefix:" (ASCII subset of PN_LOCAL; empty allowed).
bool isLocalName(std::string_view name);

template <class IriWriter>
bool appendTerm(std::string& out, const Term& term, IriWriter&& appendIri) {
    switch (term.kind) {
        case Term::Kind::Iri:
            appendIri(out, term.value);
            return true;
        case Term::Kind::Blank:
            appendBlankLabel(out, term.value);
            return true;
        case Term::Kind::Literal:
            appendQuotedString(out, term.value);
            if (!term.language.empty()) {
                if (!isLanguageTag(term.language)) return false;
                out += '@';
                out += term.language;
            } else if (!term.datatype.empty()) {
                out += "^^";
                appendIri(out, term.datatype);
            }
            return true;
    }
    return false;
}

}  // namespace RdfCpp
