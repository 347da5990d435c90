#pragma once
// A graph held in memory in a statement store of our own; librdf parses its documents and, where asked,
// serializes it.
#include "rdf/graph.h"
#include "rdf/statement_store.h"
#include "rdf/triple_sink.h"

// librdf's handles, declared as librdf.h declares them; opaque outside rdf/.
typedef struct librdf_parser_s librdf_parser;
typedef struct librdf_serializer_s librdf_serializer;

namespace Redland {

class Model : public RdfCpp::Graph {
public:
    Model() = default;

    bool isValid() const override { return open_; }  // until close()
    int countStatements() override;
    bool addTriple(const Node& s, const Node& p, const Node& o) override;
    bool addStatement(const Statement& statement) override;
    bool addStatements(const std::vector<Statement>& statements) override;
    bool removeStatement(const Statement& statement) override;
    bool removeStatements(const std::vector<Statement>& statements) override;
    bool containsStatement(const Statement& statement) override;
    using RdfCpp::Graph::get_arcs_in;
    using RdfCpp::Graph::get_arcs_out;
    using RdfCpp::Graph::get_targets;
    bool get_sources(const Node& arc, const Node& target, std::vector<Node>& out) override;
    bool get_arcs(const Node& source, const Node& target, std::vector<Node>& out) override;
    bool get_targets(const Node& source, const Node& arc, std::vector<Node>& out) override;
    bool get_targets(const Node& source, const Node& arc, std::set<Node>& out) override;
    bool get_arcs_in(const Node& node, std::set<Node>& out) override;
    bool get_arcs_out(const Node& node, std::set<Node>& out) override;
    // The store has no transactions: each change stands on its own.
    bool isInTransaction() const override { return false; }
    bool transactionStart() override { return false; }
    bool transactionCommit() override { return false; }
    bool serializeToString(std::string& out, const std::map<std::string, std::string>& prefixes,
                           const std::string& serializerName) override;
    bool loadFromFile(const std::string& path) override;
    bool loadFromString(const std::string& content) override;
    bool close() override;

    virtual bool serializeToFile(const std::map<std::string, std::string>& prefixes, const std::string& fileName,
                                 const std::string& serializerName);
    // Replaces the serialization comment, then writes the file; the serializer (if given) stays the caller's.
    virtual bool serialize(const std::string& fileName, const std::string& serializerName,
                           librdf_serializer* serializer);
    virtual bool query(RdfCpp::SparqlQuery& query, bool clearResults);

    // Announces the prefixes, then hands every statement to sink in the store's order (the order raptor's
    // serializers see); false when the sink refused one.
    bool writeStatements(RdfCpp::TripleSink& sink, const std::map<std::string, std::string>& prefixes);
    // True for the formats written by our own writers: "rdfxml", "turtle", "ntriples".
    static bool hasOwnWriter(const std::string& serializerName);

private:
    // Records the prefixed namespaces a successful parse saw (recordUris: also in namespaceUris).
    void collectNamespaces(librdf_parser* parser, bool recordUris);
    void stampSerializationComment();
    bool writeOwnFormat(const std::string& fileName, const std::string& format,
                        const std::map<std::string, std::string>& prefixes);
    bool writeWithRaptor(const std::string& fileName, librdf_serializer* serializer);
    bool prepareFolder(const std::string& fileName) const;

    StatementStore store_;
    bool open_ = true;
};

}  // namespace Redland
