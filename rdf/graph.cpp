#include "rdf/graph.h"

#include <sys/stat.h>

#include <boost/filesystem/path.hpp>
#include <iostream>

#include "rdf/connector.h"
#include "rdf/leading_integer.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {
namespace {

using Redland::Node;

// A node as a SPARQL term. Blank nodes cannot be named in a query (a "_:x" term would match anything),
// so they, like null nodes, make the query impossible.
bool sparqlTerm(const Node& node, std::string& out) {
    if (!node.isValid() || node.isBlank()) return false;
    out = node.toString();
    return true;
}

bool assign(const std::set<Node>& found, std::vector<Node>& out) {
    out.assign(found.begin(), found.end());
    return !out.empty();
}

}  // namespace

std::string Graph::getUri() {
    if (uri.empty()) {
        std::vector<Node> ontologies;
        if (get_sources(Vocabulary::rdf_type, Vocabulary::owl_Ontology, ontologies)) {
            for (const Node& candidate : ontologies) {
                if (candidate.isResource()) {
                    uri = candidate.getUriString();
                    break;
                }
            }
        }
    }
    return uri;
}

std::string Graph::getNamespace() {
    std::string result = getUri();
    if (result.find('#') == std::string::npos) result += "#";
    return result;
}

std::string Graph::getName() {
    std::string text;
    for (char c : getUri()) {
        if (c != '#') text += c;
    }
    // A trailing "/" would leave "." as the last path element.
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return boost::filesystem::path(text).stem().string();
}

bool Graph::setUri(std::string newUri) {
    if (newUri.empty()) return false;
    const std::string oldUri = getUri();
    const std::string oldNamespace = getNamespace();
    uri.clear();
    if (!oldUri.empty()) replaceNode(Node(oldUri), Node(newUri));
    const std::string newNamespace = getNamespace();
    std::vector<Node> individuals;
    get_sources(Vocabulary::rdf_type, Vocabulary::owl_NamedIndividual, individuals);
    for (const Node& individual : individuals) {
        if (individual.isResource() && individual.getNamespace() == oldNamespace)
            replaceNode(individual, Node(newNamespace + individual.getLocalName()));
    }
    touch();
    return true;
}

int Graph::countStatements() {
    if (!connector) return 0;
    SparqlQuery query;
    query.select.push_back("(COUNT(*) AS ?num)");
    query.patterns.push_back("?s ?p ?o");
    if (!connector->query(query, this, true) || query.results.empty()) return 0;
    auto found = query.results.front().find("num");
    if (found == query.results.front().end()) return 0;
    return leadingInteger(found->second.getLiteralValue());
}

std::set<std::string> Graph::getImports() {
    std::set<std::string> imports;
    const std::string graphUri = getUri();
    if (graphUri.empty()) return imports;
    std::set<Node> targets;
    get_targets(Node(graphUri), Vocabulary::owl_imports, targets);
    for (const Node& target : targets) {
        std::string text = target.isLiteral() ? target.getLiteralValue() : target.getUriString();
        if (text.compare(0, 5, "file:") == 0) text.erase(0, 5);
        if (!text.empty()) imports.insert(text);
    }
    return imports;
}

int Graph::addToCounter(int n) {
    counter += n;
    return counter;
}

std::set<std::string> Graph::getNamespaceUris() const { return namespaceUris; }

std::map<std::string, std::string> Graph::getPrefixes() const { return prefixes; }

bool Graph::addTriple(const Node& s, const Node& p, const Node& o) { return addStatement(Redland::Statement(s, p, o)); }

bool Graph::get_source(const Node& arc, const Node& target, Node& out) {
    std::vector<Node> found;
    if (!get_sources(arc, target, found)) return false;
    out = found.front();
    return true;
}

// The slots below serve graphs that live behind a connector; a bare graph finds nothing.
namespace {

bool selectOne(Connector* connector, Graph* graph, const std::string& variable, const std::string& pattern,
               std::set<Node>& found) {
    if (!connector) return false;
    SparqlQuery query;
    query.select.push_back("?" + variable);
    query.patterns.push_back(pattern);
    if (!connector->query(query, graph, true)) return false;
    for (const auto& row : query.results) {
        auto value = row.find(variable);
        if (value != row.end() && value->second.isValid()) found.insert(value->second);
    }
    return !found.empty();
}

}  // namespace

bool Graph::get_sources(const Node& arc, const Node& target, std::vector<Node>& out) {
    out.clear();
    std::string a, t;
    std::set<Node> found;
    if (!sparqlTerm(arc, a) || !sparqlTerm(target, t)) return false;
    selectOne(connector, this, "s", "?s " + a + " " + t, found);
    return assign(found, out);
}

bool Graph::get_arcs(const Node& source, const Node& target, std::vector<Node>& out) {
    out.clear();
    std::string s, t;
    std::set<Node> found;
    if (!sparqlTerm(source, s) || !sparqlTerm(target, t)) return false;
    selectOne(connector, this, "p", s + " ?p " + t, found);
    return assign(found, out);
}

bool Graph::get_target(const Node& source, const Node& arc, Node& out) {
    std::vector<Node> found;
    if (!get_targets(source, arc, found)) return false;
    out = found.front();
    return true;
}

bool Graph::get_targets(const Node& source, const Node& arc, std::vector<Node>& out) {
    out.clear();
    std::set<Node> found;
    get_targets(source, arc, found);
    return assign(found, out);
}

bool Graph::get_targets(const Node& source, const Node& arc, std::set<Node>& out) {
    out.clear();
    std::string s, a;
    if (!sparqlTerm(source, s) || !sparqlTerm(arc, a)) return false;
    return selectOne(connector, this, "o", s + " " + a + " ?o", out);
}

bool Graph::get_chainedTargets(const Node& source, const std::vector<Node>& arcs, std::vector<Node>& out) {
    out.clear();
    try {
        std::set<Node> level{source};
        for (const Node& arc : arcs) {
            std::set<Node> next;
            for (const Node& node : level) {
                std::set<Node> targets;
                get_targets(node, arc, targets);
                next.insert(targets.begin(), targets.end());
            }
            level.swap(next);
        }
        return assign(level, out);
    } catch (const char* error) {
        std::cout << "Model::get_chainedTargets - " << error << std::endl;
        return false;
    }
}

bool Graph::get_arcs_in(const Node& node, std::vector<Node>& out) {
    out.clear();
    std::set<Node> found;
    get_arcs_in(node, found);
    return assign(found, out);
}

bool Graph::get_arcs_in(const Node& node, std::set<Node>& out) {
    out.clear();
    std::string n;
    if (!sparqlTerm(node, n)) return false;
    return selectOne(connector, this, "p", "?s ?p " + n, out);
}

bool Graph::get_arcs_out(const Node& node, std::vector<Node>& out) {
    out.clear();
    std::set<Node> found;
    get_arcs_out(node, found);
    return assign(found, out);
}

bool Graph::get_arcs_out(const Node& node, std::set<Node>& out) {
    out.clear();
    std::string n;
    if (!sparqlTerm(node, n)) return false;
    return selectOne(connector, this, "p", n + " ?p ?o", out);
}

// Walks the graph's own queries rather than SPARQL text so that blank nodes can be renamed too.
bool Graph::replaceNode(const Node& oldNode, const Node& newNode) {
    if (!oldNode.isValid() || !newNode.isValid()) return false;
    std::set<Node> arcs;
    get_arcs_out(oldNode, arcs);
    for (const Node& arc : arcs) {
        std::set<Node> targets;
        get_targets(oldNode, arc, targets);
        for (const Node& target : targets) {
            removeStatement(Redland::Statement(oldNode, arc, target));
            addStatement(Redland::Statement(newNode, arc, target));
        }
    }
    get_arcs_in(oldNode, arcs);
    for (const Node& arc : arcs) {
        std::vector<Node> sources;
        get_sources(arc, oldNode, sources);
        for (const Node& source : sources) {
            removeStatement(Redland::Statement(source, arc, oldNode));
            addStatement(Redland::Statement(source, arc, newNode));
        }
    }
    return true;
}

bool Graph::addImport(const std::string& importedUri) {
    const std::string graphUri = getUri();
    if (graphUri.empty() || importedUri.empty()) return false;
    if (getImports().count(importedUri)) return false;
    return addStatement(Redland::Statement(Node(graphUri), Vocabulary::owl_imports, Node(importedUri)));
}

bool Graph::containsStatement(const Redland::Statement& statement) {
    const Node object = statement.object();
    if (!object.isValid()) return false;
    std::set<Node> targets;
    get_targets(statement.subject(), statement.predicate(), targets);
    return targets.count(object) > 0;
}

bool Graph::setOntology(const std::string& ontologyUri) {
    if (ontologyUri.empty()) return false;
    if (!addTriple(Node(ontologyUri), Vocabulary::rdf_type, Vocabulary::owl_Ontology)) return false;
    for (const Node* term : {&Vocabulary::dc_creator, &Vocabulary::dc_contributor, &Vocabulary::dc_description})
        addTriple(*term, Vocabulary::rdf_type, Vocabulary::owl_AnnotationProperty);
    return true;
}

bool Graph::isTbox() {
    std::vector<Node> found;
    if (get_sources(Vocabulary::rdf_type, Vocabulary::owl_Class, found)) return true;
    return get_sources(Vocabulary::rdf_type, Vocabulary::owl_Restriction, found);
}

bool Graph::close() {
    clear();
    return true;
}

bool Graph::addCreator(const std::string& text) {
    if (text.empty()) return false;
    return addTriple(Node(getUri()), Vocabulary::dc_creator, Node::literal(text));
}

bool Graph::setDescription(const std::string& text) {
    if (text.empty()) return false;
    const Node graphNode(getUri());
    const Node& description = Vocabulary::dc_description;
    std::set<Node> old;
    get_targets(graphNode, description, old);
    for (const Node& value : old) removeStatement(Redland::Statement(graphNode, description, value));
    return addTriple(graphNode, description, Node::literal(text));
}

bool Graph::addComment(const std::string& text) {
    if (text.empty()) return false;
    return addTriple(Node(getUri()), Vocabulary::rdfs_comment, Node::literal(text));
}

void Graph::clear() {
    uri.clear();
    namespaceUris.clear();
    prefixes.clear();
    counter = 0;
    modified = false;
    saved = false;
}

namespace {

bool fileStamp(const std::string& file, long long& modifiedNs, long long& size) {
    struct stat status;
    if (stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    modifiedNs = static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    size = static_cast<long long>(status.st_size);
    return true;
}

}  // namespace

void Graph::markSaved(const std::map<std::string, std::string>& savedPrefixes, const std::string& file) {
    saved = fileStamp(file, savedState.modifiedNs, savedState.size);
    savedState.changes = changes;
    savedState.prefixes = savedPrefixes;
    savedState.file = file;
}

bool Graph::matchesSavedFile() const {
    long long modifiedNs = 0, size = -1;
    return saved && changes == savedState.changes && fileStamp(savedState.file, modifiedNs, size) &&
           modifiedNs == savedState.modifiedNs && size == savedState.size;
}

void Graph::restoreAsLoaded() {
    modified = false;
    prefixes.clear();
    namespaceUris.clear();
    // The serializer declares every namespace it is given; a parser of the file would report them all.
    for (const auto& entry : savedState.prefixes) {
        if (entry.first.empty() || entry.second.empty()) continue;
        prefixes[entry.first] = entry.second;
        namespaceUris.insert(entry.first);
    }
}

}  // namespace RdfCpp
