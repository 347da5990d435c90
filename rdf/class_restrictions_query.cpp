#include <set>
#include <vector>

#include "rdf/manager.h"
#include "rdf/ontology_class.h"
#include "rdf/restrictions.h"

namespace RdfCpp {

namespace {

// A chain is kept when it has the asked number of steps (any number when steps < 1) and every step's kind
// is one of kinds (any kind when kinds is empty).
bool isWanted(const ClassRestrictions& chain, int steps, const std::set<Redland::Node>& kinds) {
    if (steps >= 1 && chain.restrictions.size() != static_cast<std::size_t>(steps)) return false;
    if (kinds.empty()) return true;
    for (const Restriction* step : chain.restrictions) {
        if (!step || !kinds.count(step->type)) return false;
    }
    return true;
}

}  // namespace

// Walked through statement finding rather than one SPARQL query: the engine has no property paths, and
// the rule pass asks once or more per entity, so each class is read once and each answer kept.
std::vector<ClassRestrictions*> GraphManager::getClassRestrictions(const Redland::Node& cls, int steps,
                                                                   const std::set<Redland::Node>& kinds) {
    if (!cls.isValid()) return {};
    OntologyClass* description = getOntologyClass(cls);
    if (!description) return {};
    const auto key = std::make_pair(steps, kinds);
    auto cached = description->restrictionQueries.find(key);
    if (cached != description->restrictionQueries.end()) return cached->second;

    std::vector<ClassRestrictions*> found;
    auto collect = [&](OntologyClass* owner) {
        if (!owner) return;
        for (ClassRestrictions* chain : owner->getOwnRestrictions()) {
            if (isWanted(*chain, steps, kinds)) found.push_back(chain);
        }
    };
    collect(description);
    // Copied: asking for an ancestor's description may grow the manager's class cache.
    const std::vector<Redland::Node> ancestors = description->getAncestors();
    for (const Redland::Node& ancestor : ancestors) collect(getOntologyClass(ancestor));
    description->restrictionQueries[key] = found;
    return found;
}

}  // namespace RdfCpp
