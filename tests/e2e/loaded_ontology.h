#pragma once
// An ontology file read back into a graph of its own, so that tests can state exact axioms through blank
// nodes: every object is written out by testsupport::GraphShapes, IRIs with prefixes, blank nodes inline as
// "[ a owl:Restriction; owl:onProperty p; ... ]" (pairs sorted) and RDF lists as "( a b )".
#include <map>
#include <set>
#include <string>
#include <vector>

#include "graph_shapes.h"
#include "rdf/model.h"
#include "rdf/vocabulary.h"

namespace e2e {

class LoadedOntology {
public:
    // prefixes: prefix -> namespace (ending in "#"), added to rdf, rdfs, owl and xsd.
    explicit LoadedOntology(std::map<std::string, std::string> prefixes) : prefixes_(std::move(prefixes)) {
        prefixes_["rdf"] = Vocabulary::RDF_NS;
        prefixes_["rdfs"] = Vocabulary::RDFS_NS;
        prefixes_["owl"] = Vocabulary::OWL_NS;
        prefixes_["xsd"] = Vocabulary::XSD_NS;
    }

    bool load(const std::string& path) {
        if (!model_.loadFromFile(path)) return false;
        std::map<std::string, std::string> byNamespace;
        for (const auto& [prefix, ns] : prefixes_) byNamespace[ns] = prefix;
        shapes_ = testsupport::GraphShapes(byNamespace);
        shapes_.snapshot(model_);
        return true;
    }
    Redland::Model& graph() { return model_; }

    // "ifc:IfcRoot" -> the IRI node (a name without a known prefix is taken as a full IRI).
    Redland::Node iri(const std::string& name) const {
        size_t colon = name.find(':');
        if (colon != std::string::npos) {
            auto found = prefixes_.find(name.substr(0, colon));
            if (found != prefixes_.end()) return Redland::Node(found->second + name.substr(colon + 1));
        }
        return Redland::Node(name);
    }

    // The objects of (subject, predicate), written out.
    std::set<std::string> objects(const std::string& subject, const std::string& predicate) {
        std::set<Redland::Node> found;
        model_.get_targets(iri(subject), iri(predicate), found);
        std::set<std::string> texts;
        for (const Redland::Node& node : found) texts.insert(render(node));
        return texts;
    }

    // The subjects of (predicate, object), written out.
    std::set<std::string> subjects(const std::string& predicate, const std::string& object) {
        std::vector<Redland::Node> found;
        model_.get_sources(iri(predicate), iri(object), found);
        std::set<std::string> texts;
        for (const Redland::Node& node : found) texts.insert(render(node));
        return texts;
    }

    // The rdfs:subClassOf values of cls whose outermost restriction is on property, written out.
    std::set<std::string> restrictionsOn(const std::string& cls, const std::string& property) {
        std::set<Redland::Node> supers, onProperty;
        model_.get_targets(iri(cls), Vocabulary::rdfs_subClassOf, supers);
        std::set<std::string> texts;
        for (const Redland::Node& node : supers) {
            model_.get_targets(node, Vocabulary::owl_onProperty, onProperty);
            if (onProperty.count(iri(property))) texts.insert(render(node));
        }
        return texts;
    }

    // Full IRIs of the named (non-blank) subjects typed with the given class.
    std::set<std::string> namedInstances(const Redland::Node& type) {
        std::vector<Redland::Node> found;
        model_.get_sources(Vocabulary::rdf_type, type, found);
        std::set<std::string> iris;
        for (const Redland::Node& node : found)
            if (node.isResource()) iris.insert(node.getUriString());
        return iris;
    }

    std::string render(const Redland::Node& node) const { return shapes_.render(node); }

    // The text of a blank node holding these "predicate object" pairs, as render writes it.
    static std::string blank(const std::vector<std::string>& pairs) { return testsupport::GraphShapes::blank(pairs); }

private:
    std::map<std::string, std::string> prefixes_;
    Redland::Model model_;
    testsupport::GraphShapes shapes_;
};

}  // namespace e2e
