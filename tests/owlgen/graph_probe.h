#pragma once
// Reading generated statements back in the owlgen tests: exact triples, objects and RDF list items.
#include <set>
#include <string>
#include <vector>

#include "graph_shapes.h"
#include "rdf/model.h"
#include "rdf/node.h"
#include "rdf/vocabulary.h"

namespace probe {

// A bare in-memory graph with a fixed URI and no header statements.
class NamedModel : public Redland::Model {
public:
    explicit NamedModel(std::string uri) : uri_(std::move(uri)) {}
    std::string getUri() override { return uri_; }

private:
    std::string uri_;
};

inline int size(Redland::Model& model) { return testsupport::GraphShapes::count(model); }

inline bool has(Redland::Model& model, const Redland::Node& s, const Redland::Node& p, const Redland::Node& o) {
    return model.containsStatement(Redland::Statement(s, p, o));
}

// Every object of (s, p), sorted by printed form.
inline std::vector<Redland::Node> objects(Redland::Model& model, const Redland::Node& s, const Redland::Node& p) {
    std::vector<Redland::Node> out;
    model.get_targets(s, p, out);
    return out;
}

inline Redland::Node object(Redland::Model& model, const Redland::Node& s, const Redland::Node& p) {
    auto all = objects(model, s, p);
    return all.size() == 1 ? all[0] : Redland::Node();
}

// Every statement with predicate p, as "subject object" texts (blank nodes shown as "_").
inline std::multiset<std::string> pairs(Redland::Model& model, const Redland::Node& p) {
    using testsupport::GraphShapes;
    std::multiset<std::string> out;
    auto show = [](const std::string& term) { return GraphShapes::isBlank(term) ? std::string("_") : term; };
    for (const GraphShapes::Triple& t : GraphShapes::triples(model))
        if (t.p == p.toString()) out.insert(show(t.s) + " " + show(t.o));
    return out;
}

// The items of the well-formed RDF list at head; {"<malformed>"} when a cell lacks or repeats rdf:first or
// rdf:rest, or carries anything else.
inline std::vector<std::string> listItems(Redland::Model& model, Redland::Node head) {
    std::vector<std::string> items;
    for (int guard = 0; guard < 1000 && head != Vocabulary::rdf_nil; ++guard) {
        std::set<Redland::Node> arcs;
        model.get_arcs_out(head, arcs);
        auto first = objects(model, head, Vocabulary::rdf_first);
        auto rest = objects(model, head, Vocabulary::rdf_rest);
        size_t expected = first.empty() ? 1 : 2;
        if (!head.isBlank() || rest.size() != 1 || first.size() > 1 || arcs.size() != expected) return {"<malformed>"};
        if (first.empty()) {
            if (rest[0] != Vocabulary::rdf_nil || !items.empty()) return {"<malformed>"};  // only an empty list
        } else {
            items.push_back(first[0].toString());
        }
        head = rest[0];
    }
    return items;
}

}  // namespace probe
