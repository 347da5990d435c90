#pragma once
// Reading the schema's node tables without adding entries: a later phase's "has a class" test must not be
// fooled by an empty node left behind by a lookup. Names are matched as EXPRESS names, without regard to case.
#include <map>
#include <string>

#include "express/name_lookup.h"
#include "rdf/node.h"

// The node stored under name, or the null node when there is none.
inline Redland::Node findNode(const std::map<std::string, Redland::Node>& table, const std::string& name) {
    auto it = findName(table, name);
    return it == table.end() ? Redland::Node() : it->second;
}

// True when name has a usable node in table.
inline bool hasNode(const std::map<std::string, Redland::Node>& table, const std::string& name) {
    return findNode(table, name).isValid();
}
