#pragma once
// An ontology file read back into a graph of its own, so that tests can state exact axioms through blank
// nodes: every object is written out as text, IRIs with prefixes, blank nodes inline as
// "[ a owl:Restriction; owl:onProperty p; ... ]" (pairs sorted) and RDF lists as "( a b )".
#include <map>
#include <set>
#include <string>
#include <vector>

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

    bool load(const std::string& path) { return model_.loadFromFile(path); }
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
        for (const Redland::Node& node : found) texts.insert(render(node, 0));
        return texts;
    }

    // The subjects of (predicate, object), written out.
    std::set<std::string> subjects(const std::string& predicate, const std::string& object) {
        std::vector<Redland::Node> found;
        model_.get_sources(iri(predicate), iri(object), found);
        std::set<std::string> texts;
        for (const Redland::Node& node : found) texts.insert(render(node, 0));
        return texts;
    }

    // The rdfs:subClassOf values of cls whose outermost restriction is on property, written out.
    std::set<std::string> restrictionsOn(const std::string& cls, const std::string& property) {
        std::set<Redland::Node> supers, onProperty;
        model_.get_targets(iri(cls), Vocabulary::rdfs_subClassOf, supers);
        std::set<std::string> texts;
        for (const Redland::Node& node : supers) {
            model_.get_targets(node, Vocabulary::owl_onProperty, onProperty);
            if (onProperty.count(iri(property))) texts.insert(render(node, 0));
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

    std::string render(const Redland::Node& node, int depth) {
        if (node.isResource()) return shortName(node.getUriString());
        if (node.isLiteral()) {
            std::string datatype = node.getLiteralDatatype().str();
            if (datatype.empty()) return node.toString();
            return "\"" + node.getLiteralValue() + "\"^^" + shortName(datatype);
        }
        if (!node.isBlank() || depth > 64) return "?";
        std::string list;
        if (renderList(node, depth, list)) return list;
        std::set<Redland::Node> arcs;
        model_.get_arcs_out(node, arcs);
        std::multiset<std::string> pairs;
        for (const Redland::Node& arc : arcs) {
            std::set<Redland::Node> values;
            model_.get_targets(node, arc, values);
            std::string predicate = arc == Vocabulary::rdf_type ? "a" : shortName(arc.getUriString());
            for (const Redland::Node& value : values) pairs.insert(predicate + " " + render(value, depth + 1));
        }
        return blank(std::vector<std::string>(pairs.begin(), pairs.end()));
    }

    // The text of a blank node holding these "predicate object" pairs, as render writes it.
    static std::string blank(const std::vector<std::string>& pairs) {
        std::multiset<std::string> sorted(pairs.begin(), pairs.end());
        std::string text = "[";
        for (const std::string& pair : sorted) text += (text.size() > 1 ? "; " : " ") + pair;
        return text + " ]";
    }

private:
    std::string shortName(const std::string& full) const {
        for (const auto& entry : prefixes_)
            if (full.size() > entry.second.size() && full.compare(0, entry.second.size(), entry.second) == 0)
                return entry.first + ":" + full.substr(entry.second.size());
        return "<" + full + ">";
    }

    // Cells holding exactly one rdf:first and one rdf:rest each, ending in rdf:nil.
    bool renderList(Redland::Node cell, int depth, std::string& text) {
        std::vector<std::string> items;
        for (int length = 0; !(cell == Vocabulary::rdf_nil); ++length) {
            if (!cell.isBlank() || length > 10000) return false;
            std::set<Redland::Node> arcs, firsts, rests;
            model_.get_arcs_out(cell, arcs);
            if (arcs != std::set<Redland::Node>{Vocabulary::rdf_first, Vocabulary::rdf_rest}) return false;
            model_.get_targets(cell, Vocabulary::rdf_first, firsts);
            model_.get_targets(cell, Vocabulary::rdf_rest, rests);
            if (firsts.size() != 1 || rests.size() != 1) return false;
            items.push_back(render(*firsts.begin(), depth + 1));
            cell = *rests.begin();
        }
        text = "(";
        for (const std::string& item : items) text += " " + item;
        text += " )";
        return true;
    }

    std::map<std::string, std::string> prefixes_;
    Redland::Model model_;
};

}  // namespace e2e
