#pragma once
// The interface through which one RDF graph (in practice one ontology) is read and written.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "rdf/node.h"
#include "rdf/sparql_query.h"
#include "rdf/statement.h"

namespace RdfCpp {

class Connector;

class Graph {
public:
    Graph() = default;
    Graph(const Graph&) = delete;
    Graph& operator=(const Graph&) = delete;
    virtual ~Graph() = default;

    virtual bool isValid() const = 0;
    virtual std::string getUri();
    virtual std::string getNamespace();
    virtual std::string getName();
    virtual bool setUri(std::string newUri);
    virtual int countStatements();
    virtual std::set<std::string> getImports();
    virtual int addToCounter(int n);
    virtual std::set<std::string> getNamespaceUris() const;
    virtual std::map<std::string, std::string> getPrefixes() const;
    virtual bool addTriple(const Redland::Node& s, const Redland::Node& p, const Redland::Node& o);
    virtual bool addStatement(const Redland::Statement& statement) = 0;
    virtual bool addStatements(const std::vector<Redland::Statement>& statements) = 0;
    virtual bool removeStatement(const Redland::Statement& statement) = 0;
    virtual bool removeStatements(const std::vector<Redland::Statement>& statements) = 0;
    virtual bool get_source(const Redland::Node& arc, const Redland::Node& target, Redland::Node& out);
    virtual bool get_sources(const Redland::Node& arc, const Redland::Node& target, std::vector<Redland::Node>& out);
    virtual bool get_arcs(const Redland::Node& source, const Redland::Node& target, std::vector<Redland::Node>& out);
    virtual bool get_target(const Redland::Node& source, const Redland::Node& arc, Redland::Node& out);
    virtual bool get_targets(const Redland::Node& source, const Redland::Node& arc, std::vector<Redland::Node>& out);
    virtual bool get_targets(const Redland::Node& source, const Redland::Node& arc, std::set<Redland::Node>& out);
    virtual bool get_chainedTargets(const Redland::Node& source, const std::vector<Redland::Node>& arcs,
                                    std::vector<Redland::Node>& out);
    virtual bool get_arcs_in(const Redland::Node& node, std::vector<Redland::Node>& out);
    virtual bool get_arcs_in(const Redland::Node& node, std::set<Redland::Node>& out);
    virtual bool get_arcs_out(const Redland::Node& node, std::vector<Redland::Node>& out);
    virtual bool get_arcs_out(const Redland::Node& node, std::set<Redland::Node>& out);
    virtual bool replaceNode(const Redland::Node& oldNode, const Redland::Node& newNode);
    virtual bool addImport(const std::string& importedUri);
    virtual bool isModified() const { return modified; }
    virtual bool isInTransaction() const = 0;
    virtual bool transactionStart() = 0;
    virtual bool transactionCommit() = 0;
    virtual bool containsStatement(const Redland::Statement& statement);
    virtual bool setOntology(const std::string& uri);
    virtual bool isTbox();
    virtual bool serializeToString(std::string& out, const std::map<std::string, std::string>& prefixes,
                                   const std::string& serializerName) = 0;
    virtual bool loadFromFile(const std::string& path) = 0;
    virtual bool loadFromString(const std::string& content) = 0;
    virtual bool close();

    // Header annotations on the graph's own URI.
    bool addCreator(const std::string& text);
    bool setDescription(const std::string& text);
    bool addComment(const std::string& text);

    Connector* getConnector() const { return connector; }

    // Saving remembers the state and the file written, so that a graph unchanged since then can stand in
    // for a reload of that file (reloading a large ontology costs far more than keeping it).
    void markSaved(const std::map<std::string, std::string>& savedPrefixes, const std::string& file);
    // Unchanged since its last save, and its file is still the one written then.
    bool matchesSavedFile() const;
    // Makes the graph look as if just loaded from its saved file: unmodified, with the file's prefixes.
    void restoreAsLoaded();

protected:
    void clear();  // uri, namespaces, prefixes, counter, modified flag
    void touch() {
        modified = true;
        ++changes;
    }

    bool modified = false;
    unsigned long changes = 0;
    struct SavedState {
        unsigned long changes = 0;
        std::map<std::string, std::string> prefixes;
        std::string file;
        long long modifiedNs = 0;
        long long size = -1;
    };
    bool saved = false;
    SavedState savedState;
    int counter = 0;
    std::string uri;
    std::set<std::string> namespaceUris;
    std::map<std::string, std::string> prefixes;  // namespace URI -> prefix
    Connector* connector = nullptr;
};

}  // namespace RdfCpp
