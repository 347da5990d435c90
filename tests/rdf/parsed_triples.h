#pragma once
// Reading writer output back with raptor, and comparing graphs up to the renaming of blank nodes.
#include <raptor2.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "rdf/term_escaping.h"
#include "rdf/triple_sink.h"

namespace parsedtriples {

struct Triple {
    RdfCpp::Term s, p, o;
};

inline RdfCpp::Term termOf(const raptor_term* t) {
    switch (t->type) {
        case RAPTOR_TERM_TYPE_URI:
            return RdfCpp::Term::iri(reinterpret_cast<const char*>(raptor_uri_as_string(t->value.uri)));
        case RAPTOR_TERM_TYPE_BLANK:
            return RdfCpp::Term::blank(reinterpret_cast<const char*>(t->value.blank.string));
        default: {
            const raptor_term_literal_value& l = t->value.literal;
            return RdfCpp::Term::literal(
                std::string(reinterpret_cast<const char*>(l.string), l.string_len),
                l.datatype ? reinterpret_cast<const char*>(raptor_uri_as_string(l.datatype)) : "",
                l.language ? std::string(reinterpret_cast<const char*>(l.language), l.language_len) : "");
        }
    }
}

struct ParseResult {
    std::vector<Triple> triples;
    int errors = 0;
};

inline void onStatement(void* data, raptor_statement* st) {
    static_cast<ParseResult*>(data)->triples.push_back(
        {termOf(st->subject), termOf(st->predicate), termOf(st->object)});
}
inline void onLog(void* data, raptor_log_message* message) {
    if (message->level >= RAPTOR_LOG_LEVEL_WARN) ++static_cast<ParseResult*>(data)->errors;
}

// Parses text in the syntax ("rdfxml", "turtle", "ntriples"); errors counts warnings and errors.
// Raptor 2.0.15's N-Triples parser leaks the datatype of every typed literal, which the sanitizer build
// reports, so N-Triples is read with the Turtle parser (of which it is a subset) after a check that every
// line is one plain statement.
inline ParseResult parse(const std::string& text, const char* syntax) {
    ParseResult result;
    if (std::string(syntax) == "ntriples") {
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = text.substr(start, end - start);
            if (line.empty()) continue;
            const bool opens = line[0] == '<' || line.compare(0, 2, "_:") == 0;
            const bool closes = line.size() > 2 && line.compare(line.size() - 2, 2, " .") == 0;
            if (!opens || !closes || line.find("@prefix") != std::string::npos) ++result.errors;
        }
        if (start != text.size()) ++result.errors;  // a last line without its line feed
        syntax = "turtle";
    }
    raptor_world* world = raptor_new_world();
    raptor_world_set_log_handler(world, &result, onLog);
    raptor_world_open(world);
    raptor_parser* parser = raptor_new_parser(world, syntax);
    raptor_uri* base = raptor_new_uri(world, reinterpret_cast<const unsigned char*>("http://base.example/"));
    raptor_parser_set_statement_handler(parser, &result, onStatement);
    if (raptor_parser_parse_start(parser, base) ||
        raptor_parser_parse_chunk(parser, reinterpret_cast<const unsigned char*>(text.data()), text.size(), 1))
        ++result.errors;
    raptor_free_uri(base);
    raptor_free_parser(parser);
    raptor_free_world(world);
    return result;
}

inline std::string key(const RdfCpp::Term& t, const std::map<std::string, std::string>& blankNames) {
    if (t.kind == RdfCpp::Term::Kind::Blank) {
        auto found = blankNames.find(t.value);
        return "_:" + (found == blankNames.end() ? t.value : found->second);
    }
    std::string out;
    RdfCpp::appendNTriplesTerm(out, t);
    return out;
}

// Every blank node named after its neighbourhood, refined until stable (exact for the tree-shaped
// blank structures of ontologies), then each statement as one line; sorted.
inline std::vector<std::string> canonicalLines(const std::vector<Triple>& triples) {
    std::map<std::string, std::string> names;
    for (const Triple& t : triples) {
        for (const RdfCpp::Term* term : {&t.s, &t.o})
            if (term->kind == RdfCpp::Term::Kind::Blank) names[term->value] = "";
    }
    std::size_t distinct = 1;
    for (int round = 0; round < 64; ++round) {
        std::map<std::string, std::vector<std::string>> signature;
        for (const Triple& t : triples) {
            if (t.s.kind == RdfCpp::Term::Kind::Blank)
                signature[t.s.value].push_back(">" + t.p.value + key(t.o, names));
            if (t.o.kind == RdfCpp::Term::Kind::Blank)
                signature[t.o.value].push_back("<" + t.p.value + key(t.s, names));
        }
        std::map<std::string, std::string> next;
        std::set<std::string> seen;
        for (auto& [label, parts] : signature) {
            std::sort(parts.begin(), parts.end());
            std::string joined;
            for (const std::string& part : parts) joined += part + "|";
            next[label] = std::to_string(std::hash<std::string>{}(joined));
            seen.insert(next[label]);
        }
        names.swap(next);
        if (seen.size() == distinct && round > 0) break;
        distinct = seen.size();
    }
    std::vector<std::string> lines;
    for (const Triple& t : triples) lines.push_back(key(t.s, names) + " " + key(t.p, names) + " " + key(t.o, names));
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace parsedtriples
