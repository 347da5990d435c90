#include "rdf/model.h"

#include <boost/filesystem.hpp>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>

#include "rdf/clock.h"
#include "rdf/graph_turtle_writer.h"
#include "rdf/ntriples_writer.h"
#include "rdf/parse_session.h"
#include "rdf/rdfxml_writer.h"
#include "rdf/redland_handles.h"
#include "rdf/scratch_model.h"
#include "rdf/turtle_writer.h"
#include "rdf/vocabulary.h"

namespace Redland {
namespace {

const char* const SERIALIZATION_MARKER = "Serialized using C++ RDF";
const char* const PARSE_ERROR = "failed parsing the RDF model";

struct ParserDeleter {
    void operator()(librdf_parser* p) const { librdf_free_parser(p); }
};
struct SerializerDeleter {
    void operator()(librdf_serializer* s) const { librdf_free_serializer(s); }
};
struct UriDeleter {
    void operator()(librdf_uri* u) const { librdf_free_uri(u); }
};
struct QueryDeleter {
    void operator()(librdf_query* q) const { librdf_free_query(q); }
};
struct ResultsDeleter {
    void operator()(librdf_query_results* r) const { librdf_free_query_results(r); }
};
using ParserPtr = std::unique_ptr<librdf_parser, ParserDeleter>;
using SerializerPtr = std::unique_ptr<librdf_serializer, SerializerDeleter>;
using UriPtr = std::unique_ptr<librdf_uri, UriDeleter>;

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// The parsers tried in turn on a document of unknown syntax.
ParserPtr newParser(int attempt) {
    switch (attempt) {
        case 0:
            return ParserPtr(librdf_new_parser(getWorld(), nullptr, "application/rdf+xml", nullptr));
        case 1:
            return ParserPtr(librdf_new_parser(getWorld(), "turtle", nullptr, nullptr));
        default:
            return ParserPtr(librdf_new_parser(getWorld(), "ntriples", nullptr, nullptr));
    }
}
const int PARSER_ATTEMPTS = 3;

RdfCpp::Term termOf(const Node& node) {
    const std::string text(node.text());
    if (node.isResource()) return RdfCpp::Term::iri(text);
    if (node.isBlank()) return RdfCpp::Term::blank(text);
    return RdfCpp::Term::literal(text, std::string(node.datatype()), std::string(node.language()));
}

std::unique_ptr<RdfCpp::TripleSink> newWriter(const std::string& format, FILE* file) {
    if (format == "rdfxml") return std::make_unique<RdfCpp::RdfXmlWriter>(file);
    if (format == "ntriples") return std::make_unique<RdfCpp::NTriplesWriter>(file);
    return nullptr;
}

// Null for a name librdf has no serializer for: no system error then, whatever librdf's search for one left
// in errno.
SerializerPtr newSerializer(const std::string& name) {
    SerializerPtr serializer(librdf_new_serializer(getWorld(), name.c_str(), nullptr, nullptr));
    if (!serializer) errno = 0;
    return serializer;
}

void announcePrefixes(RdfCpp::TripleSink& sink, const std::map<std::string, std::string>& prefixes) {
    for (const auto& [ns, prefix] : prefixes) sink.prefix(prefix, ns);
}

bool toVector(const std::set<Node>& found, std::vector<Node>& out) {
    out.assign(found.begin(), found.end());
    return !out.empty();
}

bool setNamespaces(librdf_serializer* serializer, const std::map<std::string, std::string>& prefixes) {
    for (const auto& [ns, prefix] : prefixes) {
        // A prefix without a namespace means nothing (and raptor's Turtle writer crashes on it).
        if (ns.empty()) continue;
        UriPtr uri(librdf_new_uri(getWorld(), reinterpret_cast<const unsigned char*>(ns.c_str())));
        if (uri) librdf_serializer_set_namespace(serializer, uri.get(), prefix.empty() ? nullptr : prefix.c_str());
    }
    return true;
}

}  // namespace

int Model::countStatements() { return static_cast<int>(store_.size()); }

bool Model::addTriple(const Node& s, const Node& p, const Node& o) {
    const bool added = open_ && store_.add(s, p, o);
    if (added) touch();
    return added;
}

bool Model::addStatement(const Statement& statement) {
    return addTriple(statement.subject(), statement.predicate(), statement.object());
}

bool Model::addStatements(const std::vector<Statement>& statements) {
    for (const Statement& statement : statements) {
        if (!addStatement(statement)) return false;
    }
    return true;
}

bool Model::removeStatement(const Statement& statement) {
    const bool removed = open_ && store_.remove(statement.subject(), statement.predicate(), statement.object());
    if (removed) touch();
    return removed;
}

bool Model::removeStatements(const std::vector<Statement>& statements) {
    for (const Statement& statement : statements) {
        if (!removeStatement(statement)) return false;
    }
    return true;
}

bool Model::containsStatement(const Statement& statement) {
    return open_ && store_.contains(statement.subject(), statement.predicate(), statement.object());
}

bool Model::get_sources(const Node& arc, const Node& target, std::vector<Node>& out) {
    out.clear();
    std::set<Node> found;
    if (!open_ || !arc.isValid() || !target.isValid()) return false;
    store_.sources(arc, target, found);
    return toVector(found, out);
}

bool Model::get_arcs(const Node& source, const Node& target, std::vector<Node>& out) {
    out.clear();
    std::set<Node> found;
    if (!open_ || !source.isValid() || !target.isValid()) return false;
    store_.arcs(source, target, found);
    return toVector(found, out);
}

bool Model::get_targets(const Node& source, const Node& arc, std::vector<Node>& out) {
    out.clear();
    std::set<Node> found;
    get_targets(source, arc, found);
    return toVector(found, out);
}

bool Model::get_targets(const Node& source, const Node& arc, std::set<Node>& out) {
    out.clear();
    return open_ && source.isValid() && arc.isValid() && store_.targets(source, arc, out);
}

bool Model::get_arcs_in(const Node& node, std::set<Node>& out) {
    out.clear();
    return open_ && node.isValid() && store_.arcsIn(node, out);
}

bool Model::get_arcs_out(const Node& node, std::set<Node>& out) {
    out.clear();
    return open_ && node.isValid() && store_.arcsOut(node, out);
}

bool Model::serializeToString(std::string& out, const std::map<std::string, std::string>& prefixes,
                              const std::string& serializerName) {
    out.clear();
    if (!open_) return false;
    SerializerPtr serializer = newSerializer(serializerName);
    if (!serializer) return false;
    setNamespaces(serializer.get(), prefixes);
    const ScratchModel copy(store_);
    if (!copy.get()) return false;
    unsigned char* text = librdf_serializer_serialize_model_to_string(serializer.get(), nullptr, copy.get());
    if (!text) return false;
    out = reinterpret_cast<const char*>(text);
    librdf_free_memory(text);
    return !out.empty();
}

bool Model::loadFromFile(const std::string& path) {
    if (!open_) return false;
    boost::system::error_code ignored;
    if (!boost::filesystem::is_regular_file(path, ignored)) return false;
    // Read through a file handle: raptor's file-URI round trip loses names holding "#" or "%".
    unsigned char* fileUri = raptor_uri_filename_to_uri_string(path.c_str());
    UriPtr base(fileUri ? librdf_new_uri(getWorld(), fileUri) : nullptr);
    if (fileUri) raptor_free_memory(fileUri);
    // A file named as Turtle or N-Triples is read with the Turtle parser first (N-Triples is a subset, and
    // raptor's own N-Triples parser leaks typed literals' datatypes), without the RDF/XML parser's complaints.
    const std::string extension = boost::filesystem::path(path).extension().string();
    const int firstAttempt = extension == ".ttl" || extension == ".nt" ? 1 : 0;
    for (int tried = 0; base && tried < PARSER_ATTEMPTS; ++tried) {
        const int attempt = tried == 0 ? firstAttempt : (tried <= firstAttempt ? tried - 1 : tried);
        ParserPtr parser = newParser(attempt);
        FilePtr file(std::fopen(path.c_str(), "rb"));
        ScratchModel parsed;  // a failed attempt leaves nothing behind
        if (!parser || !file || !parsed.get()) continue;
        ParseSession session;
        if (librdf_parser_parse_file_handle_into_model(parser.get(), file.get(), 0, base.get(), parsed.get()) != 0 ||
            session.hadErrors() || !parsed.copyInto(store_))
            continue;
        collectNamespaces(parser.get(), true);
        return true;
    }
    std::cout << "  ERROR - FILE " << path << " could NOT be loaded!  --  " << PARSE_ERROR << std::endl;
    return false;
}

bool Model::loadFromString(const std::string& content) {
    if (!open_) return false;
    UriPtr base(librdf_new_uri(getWorld(), reinterpret_cast<const unsigned char*>("www")));
    for (int attempt = 0; base && attempt < PARSER_ATTEMPTS; ++attempt) {
        ParserPtr parser = newParser(attempt);
        ScratchModel parsed;
        if (!parser || !parsed.get()) continue;
        ParseSession session;
        if (librdf_parser_parse_counted_string_into_model(parser.get(),
                                                          reinterpret_cast<const unsigned char*>(content.data()),
                                                          content.size(), base.get(), parsed.get()) != 0 ||
            session.hadErrors() || !parsed.copyInto(store_))
            continue;
        collectNamespaces(parser.get(), false);
        return true;
    }
    std::cout << "  ERROR - could NOT be loaded!  --  " << PARSE_ERROR << std::endl;
    return false;
}

void Model::collectNamespaces(librdf_parser* parser, bool recordUris) {
    const int count = librdf_parser_get_namespaces_seen_count(parser);
    for (int i = 0; i < count; ++i) {
        const char* prefix = librdf_parser_get_namespaces_seen_prefix(parser, i);
        librdf_uri* nsUri = librdf_parser_get_namespaces_seen_uri(parser, i);
        if (!prefix || !nsUri) continue;
        const std::string ns(reinterpret_cast<const char*>(librdf_uri_as_string(nsUri)));
        if (recordUris) namespaceUris.insert(ns);
        prefixes[ns] = prefix;
    }
}

bool Model::close() {
    store_.clear();
    open_ = false;
    clear();
    return true;
}

bool Model::hasOwnWriter(const std::string& serializerName) {
    return serializerName == "rdfxml" || serializerName == "turtle" || serializerName == "ntriples";
}

bool Model::writeStatements(RdfCpp::TripleSink& sink, const std::map<std::string, std::string>& prefixes) {
    if (!open_) return false;
    announcePrefixes(sink, prefixes);
    return store_.visitInOrder(
        [&sink](const Node& s, const Node& p, const Node& o) { return sink.triple(termOf(s), termOf(p), termOf(o)); });
}

bool Model::serializeToFile(const std::map<std::string, std::string>& prefixes, const std::string& fileName,
                            const std::string& serializerName) {
    if (hasOwnWriter(serializerName)) {
        if (fileName.empty() || !open_ || !prepareFolder(fileName)) return false;
        stampSerializationComment();
        return writeOwnFormat(fileName, serializerName, prefixes);
    }
    SerializerPtr serializer = newSerializer(serializerName);
    if (!serializer) return false;
    setNamespaces(serializer.get(), prefixes);
    return serialize(fileName, serializerName, serializer.get());
}

bool Model::serialize(const std::string& fileName, const std::string& serializerName, librdf_serializer* serializer) {
    if (fileName.empty() || !open_) return false;
    SerializerPtr ownSerializer;
    if (!serializer && !hasOwnWriter(serializerName)) {
        ownSerializer = newSerializer(serializerName);
        serializer = ownSerializer.get();
        if (!serializer) return false;
    }
    if (!prepareFolder(fileName)) return false;
    stampSerializationComment();
    if (!serializer) return writeOwnFormat(fileName, serializerName, {});
    return writeWithRaptor(fileName, serializer);
}

bool Model::prepareFolder(const std::string& fileName) const {
    const boost::filesystem::path parent = boost::filesystem::path(fileName).parent_path();
    boost::system::error_code error;
    if (!parent.empty() && !boost::filesystem::exists(parent, error)) {
        boost::filesystem::create_directories(parent, error);
        if (error) return false;
    }
    return true;
}

void Model::stampSerializationComment() {
    const Node graphNode(getUri());
    const Node& comment = Vocabulary::rdfs_comment;
    std::set<Node> comments;
    get_targets(graphNode, comment, comments);
    for (const Node& old : comments) {
        if (old.isLiteral() && old.getLiteralValue().find(SERIALIZATION_MARKER) != std::string::npos)
            removeStatement(Statement(graphNode, comment, old));
    }
    addComment(std::string(SERIALIZATION_MARKER) +
               " library by Sartell Converter Team (team@sartell.example.org) based on Redland API C library. " +
               RdfCpp::runTimeText());
}

bool Model::writeOwnFormat(const std::string& fileName, const std::string& format,
                           const std::map<std::string, std::string>& prefixes) {
    FilePtr file(std::fopen(fileName.c_str(), "wb"));
    if (!file) return false;
    bool written = false;
    if (format == "turtle") {
        // The Turtle layout sorts for itself: it takes the store's own terms, in the store's own order.
        RdfCpp::GraphTurtleWriter writer(file.get());
        announcePrefixes(writer, prefixes);
        written = store_.visit([&writer](const Node& s, const Node& p, const Node& o) {
            return writer.statement(s, p, o);
        }) && writer.finish();
    } else {
        std::unique_ptr<RdfCpp::TripleSink> writer = newWriter(format, file.get());
        written = writer && writeStatements(*writer, prefixes) && writer->finish();
    }
    return std::fclose(file.release()) == 0 && written;
}

bool Model::writeWithRaptor(const std::string& fileName, librdf_serializer* serializer) {
    // Through our own handle: raptor neither checks its writes nor the close, so a full disk went unnoticed.
    FILE* file = std::fopen(fileName.c_str(), "wb");
    if (!file) return false;
    const ScratchModel copy(store_);
    const bool serialized =
        copy.get() && librdf_serializer_serialize_model_to_file_handle(serializer, file, nullptr, copy.get()) == 0;
    const bool written = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(file) == 0 && serialized && written;
}

bool Model::query(RdfCpp::SparqlQuery& query, bool clearResults) {
    if (clearResults) query.results.clear();
    std::string text = query.text();
    if (text.empty() || !open_) return false;
    // Rasqal 0.9.33 leaks the rows of every DISTINCT query; run it without and drop repeated rows here.
    const std::string distinct = "SELECT DISTINCT ";
    const size_t at = text.find(distinct);
    if (at != std::string::npos) text.replace(at, distinct.size(), "SELECT ");
    std::unique_ptr<librdf_query, QueryDeleter> q(
        librdf_new_query(getWorld(), "sparql", nullptr, reinterpret_cast<const unsigned char*>(text.c_str()), nullptr));
    if (!q) return false;
    const ScratchModel copy(store_);
    if (!copy.get()) return false;
    std::unique_ptr<librdf_query_results, ResultsDeleter> results(librdf_model_query_execute(copy.get(), q.get()));
    if (!results || !librdf_query_results_is_bindings(results.get())) return false;
    std::set<std::map<std::string, Node>> seen;
    for (; !librdf_query_results_finished(results.get()); librdf_query_results_next(results.get())) {
        std::map<std::string, Node> row;
        const int count = librdf_query_results_get_bindings_count(results.get());
        for (int i = 0; i < count; ++i) {
            const char* name = librdf_query_results_get_binding_name(results.get(), i);
            Node value = adoptNode(librdf_query_results_get_binding_value(results.get(), i));
            if (name && value.isValid()) row.emplace(name, std::move(value));
        }
        if (seen.insert(row).second) query.results.push_back(std::move(row));
    }
    return true;
}

}  // namespace Redland
