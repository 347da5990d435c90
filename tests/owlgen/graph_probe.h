#pragma once
// Reading generated statements back in the owlgen tests: exact triples, RDF lists and restrictions written
// as short readable texts.
#include <librdf.h>

#include <set>
#include <string>
#include <vector>

#include "rdf/model.h"
#include "rdf/node.h"
#include "rdf/vocabulary.h"
#include "rdf/world.h"

namespace probe {

// A bare in-memory graph with a fixed URI and no header statements.
class NamedModel : public Redland::Model {
public:
    explicit NamedModel(std::string uri) : uri_(std::move(uri)) {}
    std::string getUri() override { return uri_; }

private:
    std::string uri_;
};

inline int size(const Redland::Model& model) { return librdf_model_size(model.get()); }

inline bool has(const Redland::Model& model, const Redland::Node& s, const Redland::Node& p, const Redland::Node& o) {
    librdf_statement* st =
        librdf_new_statement_from_nodes(Redland::getWorld(), librdf_new_node_from_node(s.get()),
                                        librdf_new_node_from_node(p.get()), librdf_new_node_from_node(o.get()));
    bool found = librdf_model_contains_statement(model.get(), st) != 0;
    librdf_free_statement(st);
    return found;
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
    std::multiset<std::string> out;
    librdf_statement* pattern =
        librdf_new_statement_from_nodes(Redland::getWorld(), nullptr, librdf_new_node_from_node(p.get()), nullptr);
    librdf_stream* stream = librdf_model_find_statements(model.get(), pattern);
    for (; stream && !librdf_stream_end(stream); librdf_stream_next(stream)) {
        librdf_statement* st = librdf_stream_get_object(stream);
        Redland::Node s = Redland::Node::share(librdf_statement_get_subject(st));
        Redland::Node o = Redland::Node::share(librdf_statement_get_object(st));
        auto show = [](const Redland::Node& n) { return n.isBlank() ? std::string("_") : n.toString(); };
        out.insert(show(s) + " " + show(o));
    }
    if (stream) librdf_free_stream(stream);
    librdf_free_statement(pattern);
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

// A class expression as text: named nodes by printed form, restrictions as
// "all(p, F)", "some(p, F)", "=n(p, onClass F)", ">=n(...)", "<=n(...)" with the property's local name.
inline std::string describe(Redland::Model& model, const Redland::Node& node) {
    namespace V = Vocabulary;
    if (!node.isBlank()) return node.toString();
    std::string property = object(model, node, V::owl_onProperty).getLocalName();
    struct Kind {
        const Redland::Node* arc;
        const char* name;
    };
    static const Kind kinds[] = {{&V::owl_allValuesFrom, "all"},
                                 {&V::owl_someValuesFrom, "some"},
                                 {&V::owl_qualifiedCardinality, "="},
                                 {&V::owl_minQualifiedCardinality, ">="},
                                 {&V::owl_maxQualifiedCardinality, "<="}};
    for (const Kind& kind : kinds) {
        Redland::Node value = object(model, node, *kind.arc);
        if (!value.isValid()) continue;
        if (!value.isLiteral()) return std::string(kind.name) + "(" + property + ", " + describe(model, value) + ")";
        Redland::Node onClass = object(model, node, V::owl_onClass);
        Redland::Node onRange = object(model, node, V::owl_onDataRange);
        std::string filler =
            onClass.isValid() ? "onClass " + describe(model, onClass) : "onDataRange " + describe(model, onRange);
        return std::string(kind.name) + value.getLiteralValue() + "(" + property + ", " + filler + ")";
    }
    return "<unknown>";
}

// The class expressions that cls is stated rdfs:subClassOf, as texts of describe().
inline std::multiset<std::string> superclasses(Redland::Model& model, const Redland::Node& cls) {
    std::multiset<std::string> out;
    for (const Redland::Node& r : objects(model, cls, Vocabulary::rdfs_subClassOf)) out.insert(describe(model, r));
    return out;
}

}  // namespace probe
