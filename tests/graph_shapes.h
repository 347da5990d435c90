#pragma once
// The tests' one writer of graph contents as comparable text: every statement whose subject is named becomes
// one line, with the blank nodes below it written inline ("[ a owl:Restriction; owl:onProperty p; ... ]",
// pairs sorted; pure rdf:first/rdf:rest lists as "( a b )"), so graphs compare without their blank node
// identifiers; single nodes are written the same way.
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "rdf/graph.h"

namespace testsupport {

class GraphShapes {
public:
    // Namespace -> prefix, added to rdf, rdfs, owl and xsd.
    explicit GraphShapes(std::map<std::string, std::string> prefixes = {}) : prefixes_(std::move(prefixes)) {
        prefixes_["http://www.w3.org/1999/02/22-rdf-syntax-ns#"] = "rdf";
        prefixes_["http://www.w3.org/2000/01/rdf-schema#"] = "rdfs";
        prefixes_["http://www.w3.org/2002/07/owl#"] = "owl";
        prefixes_["http://www.w3.org/2001/XMLSchema#"] = "xsd";
    }

    // One statement of the graph as N-Triples terms; blank nodes as "_:id".
    struct Triple {
        std::string s, p, o;
    };

    // Every statement, read from the serialization (the graph queries need a term to start from).
    static std::vector<Triple> triples(RdfCpp::Graph& graph) {
        std::string text;
        graph.serializeToString(text, {}, "ntriples");
        std::vector<Triple> out;
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            size_t first = line.find(' ');
            if (first == std::string::npos) continue;
            size_t second = line.find(' ', first + 1);
            size_t end = line.rfind(" .");
            if (second == std::string::npos || end == std::string::npos || end <= second) continue;
            out.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                           line.substr(second + 1, end - second - 1)});
        }
        return out;
    }

    std::multiset<std::string> lines(RdfCpp::Graph& graph) const {
        const std::vector<Triple> all = triples(graph);
        const Arcs arcs = arcsOf(all);
        std::set<std::string> referencedBlanks;
        for (const Triple& t : all)
            if (isBlank(t.o)) referencedBlanks.insert(t.o);
        std::multiset<std::string> result;
        for (const Triple& t : all)
            if (!isBlank(t.s)) result.insert(term(t.s) + " " + predicate(t.p) + " " + render(arcs, t.o, 0));
        for (const auto& entry : arcs)
            if (isBlank(entry.first) && !referencedBlanks.count(entry.first))
                result.insert(render(arcs, entry.first, 0));
        return result;
    }

    // Takes the graph's statements as they are now, for render(node); later changes are not seen.
    void snapshot(RdfCpp::Graph& graph) { snapshot_ = arcsOf(triples(graph)); }

    // A node of the snapshot written out as in lines().
    std::string render(const Redland::Node& node) const {
        return render(snapshot_, node.isBlank() ? "_:" + node.getBlankIdentifier() : node.toString(), 0);
    }

    // The lines that start with prefix.
    std::multiset<std::string> linesStartingWith(RdfCpp::Graph& graph, const std::string& prefix) const {
        std::multiset<std::string> selected;
        for (const std::string& line : lines(graph))
            if (line.compare(0, prefix.size(), prefix) == 0) selected.insert(line);
        return selected;
    }

    // The number of statements, read from the serialization (countStatements needs a connector).
    static int count(RdfCpp::Graph& graph) { return static_cast<int>(triples(graph).size()); }

    // The printed form of a blank node holding these "predicate object" pairs.
    static std::string blank(std::vector<std::string> pairs) {
        std::multiset<std::string> sorted(pairs.begin(), pairs.end());
        std::string text = "[";
        for (const std::string& pair : sorted) text += (text.size() > 1 ? "; " : " ") + pair;
        return text + " ]";
    }

    // An owl:Restriction holding these pairs, and the common kinds of restriction.
    static std::string restriction(std::vector<std::string> pairs) {
        pairs.push_back("a owl:Restriction");
        return blank(pairs);
    }
    static std::string all(const std::string& property, const std::string& value) {
        return restriction({"owl:onProperty " + property, "owl:allValuesFrom " + value});
    }
    static std::string some(const std::string& property, const std::string& value) {
        return restriction({"owl:onProperty " + property, "owl:someValuesFrom " + value});
    }
    // kind: qualifiedCardinality, minQualifiedCardinality or maxQualifiedCardinality.
    static std::string qualified(const std::string& kind, int n, const std::string& property, const std::string& cls) {
        return restriction({"owl:onProperty " + property, "owl:onClass " + cls,
                            "owl:" + kind + " \"" + std::to_string(n) + "\"^^xsd:nonNegativeInteger"});
    }

    static bool isBlank(const std::string& t) { return t.compare(0, 2, "_:") == 0; }

private:
    using Arcs = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

    static Arcs arcsOf(const std::vector<Triple>& all) {
        Arcs arcs;
        for (const Triple& t : all) arcs[t.s].emplace_back(t.p, t.o);
        return arcs;
    }

    std::string iri(const std::string& text) const {
        for (const auto& entry : prefixes_)
            if (text.size() > entry.first.size() && text.compare(0, entry.first.size(), entry.first) == 0)
                return entry.second + ":" + text.substr(entry.first.size());
        return "<" + text + ">";
    }

    std::string term(const std::string& t) const {
        if (t.size() >= 2 && t.front() == '<' && t.back() == '>') return iri(t.substr(1, t.size() - 2));
        size_t typed = t.rfind("\"^^<");
        if (t.front() == '"' && typed != std::string::npos && t.back() == '>')
            return t.substr(0, typed + 3) + iri(t.substr(typed + 4, t.size() - typed - 5));
        return t;
    }

    std::string predicate(const std::string& p) const {
        return p == "<http://www.w3.org/1999/02/22-rdf-syntax-ns#type>" ? "a" : term(p);
    }

    std::string render(const Arcs& arcs, const std::string& t, int depth) const {
        if (!isBlank(t)) return term(t);
        auto found = arcs.find(t);
        if (found == arcs.end()) return "[ ]";
        if (depth > 64) return "[ ... ]";
        std::string list;
        if (renderList(arcs, t, depth, list)) return list;
        std::vector<std::string> pairs;
        for (const auto& arc : found->second)
            pairs.push_back(predicate(arc.first) + " " + render(arcs, arc.second, depth + 1));
        return blank(pairs);
    }

    // A chain of cells holding exactly one rdf:first and one rdf:rest each, ending in rdf:nil.
    bool renderList(const Arcs& arcs, std::string cell, int depth, std::string& text) const {
        static const std::string first = "<http://www.w3.org/1999/02/22-rdf-syntax-ns#first>";
        static const std::string rest = "<http://www.w3.org/1999/02/22-rdf-syntax-ns#rest>";
        static const std::string nil = "<http://www.w3.org/1999/02/22-rdf-syntax-ns#nil>";
        std::vector<std::string> items;
        for (int length = 0; cell != nil; ++length) {
            auto found = arcs.find(cell);
            if (!isBlank(cell) || found == arcs.end() || length > 1000) return false;
            std::string item, next;
            int firsts = 0, rests = 0;
            for (const auto& arc : found->second) {
                if (arc.first == first)
                    ++firsts, item = arc.second;
                else if (arc.first == rest)
                    ++rests, next = arc.second;
                else
                    return false;
            }
            if (rests != 1 || firsts > 1) return false;
            if (firsts == 1)
                items.push_back(render(arcs, item, depth + 1));
            else if (next != nil || length > 0)
                return false;
            cell = next;
        }
        text = "(";
        for (const std::string& item : items) text += " " + item;
        text += " )";
        return true;
    }

    std::map<std::string, std::string> prefixes_;
    Arcs snapshot_;
};

}  // namespace testsupport
