#pragma once
// EXPRESS names are case-insensitive: a reference finds its declaration in whatever case it is written.
// An exact match wins, so schemas that spell every name the same way resolve as they always did.
#include <map>
#include <string>
#include <utility>

#include "express/schema.h"

// True when a and b are the same name apart from the case of ASCII letters.
bool sameName(const std::string& a, const std::string& b);

// The entry for name: its exact key, else the first key in map order that is the same name; end() when none.
template <typename Value>
typename std::map<std::string, Value>::const_iterator findName(const std::map<std::string, Value>& map,
                                                               const std::string& name) {
    auto exact = map.find(name);
    if (exact != map.end()) return exact;
    for (auto it = map.begin(); it != map.end(); ++it)
        if (sameName(it->first, name)) return it;
    return map.end();
}

// The key under which name is declared in map, or name itself when it is not.
template <typename Value>
std::string declaredName(const std::map<std::string, Value>& map, const std::string& name) {
    auto found = findName(map, name);
    return found == map.end() ? name : found->first;
}

// True when map declares name in any case.
template <typename Value>
bool declares(const std::map<std::string, Value>& map, const std::string& name) {
    return findName(map, name) != map.end();
}

// The attribute of entity called name; null when it has none.
const ExpressAttribute* findAttribute(const ExpressEntity& entity, const std::string& name);

// The FOR attribute of an inverse attribute as its target entity declares it; null when it does not.
const ExpressAttribute* forwardAttribute(const ExpressSchema& schema, const ExpressAttribute& inverse);

// The names of the FOR attribute and of the target entity of an inverse attribute as the schema declares them;
// each as written where the schema does not declare it.
std::pair<std::string, std::string> declaredInverseTarget(const ExpressSchema& schema, const ExpressAttribute& inverse);
