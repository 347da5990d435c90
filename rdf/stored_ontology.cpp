#include "rdf/stored_ontology.h"

#include <raptor2.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "rdf/parse_session.h"
#include "rdf/redland_handles.h"
#include "rdf/vocabulary.h"
#include "rdf/world.h"

namespace RdfCpp {
namespace {

struct Probe {
    raptor_parser* parser = nullptr;
    std::string iri;
};

const std::string rdfType = std::string(Vocabulary::RDF_NS) + "type";
const std::string owlOntology = std::string(Vocabulary::OWL_NS) + "Ontology";

bool isUri(const raptor_term* term, const char* text) {
    if (!term || term->type != RAPTOR_TERM_TYPE_URI) return false;
    size_t length = 0;
    const unsigned char* value = raptor_uri_as_counted_string(term->value.uri, &length);
    return length == std::strlen(text) && std::memcmp(value, text, length) == 0;
}

void onStatement(void* data, raptor_statement* statement) {
    auto* probe = static_cast<Probe*>(data);
    if (!probe->iri.empty() || !isUri(statement->predicate, rdfType.c_str()) ||
        !isUri(statement->object, owlOntology.c_str()) || statement->subject->type != RAPTOR_TERM_TYPE_URI)
        return;
    size_t length = 0;
    const unsigned char* value = raptor_uri_as_counted_string(statement->subject->value.uri, &length);
    probe->iri.assign(reinterpret_cast<const char*>(value), length);
    raptor_parser_parse_abort(probe->parser);
}

// The first bytes decide between RDF/XML and the line formats.
const char* parserNameFor(std::FILE* file) {
    char head[512];
    const size_t read = std::fread(head, 1, sizeof head, file);
    std::rewind(file);
    for (size_t i = 0; i < read; ++i) {
        if (head[i] == '<' && i + 1 < read && (head[i + 1] == '?' || head[i + 1] == '!' || head[i + 1] == 'r'))
            return "rdfxml";
        if (head[i] != ' ' && head[i] != '\n' && head[i] != '\r' && head[i] != '\t') return "turtle";
    }
    return "rdfxml";
}

std::string xmlUnescaped(const std::string& text) {
    static const struct {
        const char* entity;
        char c;
    } entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& e : entities) {
                if (text.compare(i, std::strlen(e.entity), e.entity) == 0) {
                    out += e.c;
                    i += std::strlen(e.entity) - 1;
                    replaced = true;
                    break;
                }
            }
            if (!replaced) return std::string();  // a character reference: leave it to the parser
        }
        if (!replaced) out += text[i];
    }
    return out;
}

// The layout librdf's RDF/XML serializer gives the ontology declaration: the subject on the line before
// its rdf:type. Finding it by text spares parsing a large file up to it; anything else goes to the parser.
std::string declaredInSavedLayout(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::string();
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string type = "<rdf:type rdf:resource=\"" + owlOntology + "\"/>";
    const std::string::size_type at = content.find(type);
    if (at == std::string::npos || at == 0) return std::string();
    const std::string::size_type lineStart = content.rfind('\n', at);
    const std::string::size_type previousStart =
        lineStart == std::string::npos || lineStart == 0 ? std::string::npos : content.rfind('\n', lineStart - 1);
    if (previousStart == std::string::npos) return std::string();
    const std::string previous = content.substr(previousStart + 1, lineStart - previousStart - 1);
    const std::string open = "  <rdf:Description rdf:about=\"";
    if (previous.compare(0, open.size(), open) != 0 || previous.size() < open.size() + 2 ||
        previous.compare(previous.size() - 2, 2, "\">") != 0)
        return std::string();
    return xmlUnescaped(previous.substr(open.size(), previous.size() - open.size() - 2));
}

}  // namespace

std::string storedOntologyIri(const std::string& file) {
    const std::string quick = declaredInSavedLayout(file);
    if (!quick.empty()) return quick;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> handle(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!handle) return std::string();
    raptor_world* world = librdf_world_get_raptor(Redland::getWorld());
    Probe probe;
    std::unique_ptr<raptor_parser, void (*)(raptor_parser*)> parser(
        raptor_new_parser(world, parserNameFor(handle.get())), &raptor_free_parser);
    if (!parser) return std::string();
    probe.parser = parser.get();
    raptor_parser_set_statement_handler(parser.get(), &probe, &onStatement);
    unsigned char* fileUri = raptor_uri_filename_to_uri_string(file.c_str());
    if (!fileUri) return std::string();
    raptor_uri* base = raptor_new_uri(world, fileUri);
    raptor_free_memory(fileUri);
    if (!base) return std::string();
    Redland::ParseSession session;
    raptor_parser_parse_file_stream(parser.get(), handle.get(), file.c_str(), base);
    raptor_free_uri(base);
    return probe.iri;
}

}  // namespace RdfCpp
