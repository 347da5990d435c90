#pragma once
// The in-memory form of one EXPRESS schema, and the lookup tables the generation phases fill.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "rdf/node.h"

struct ExpressAttribute {
    std::string name;
    std::string targetType;
    int width = 0;
    std::string inverseOf;
    bool isOptional = false;
    bool isSet = false;
    bool isList = false;
    bool isArray = false;
    std::string minCard = "1";
    std::string maxCard = "1";                                    // empty: unbounded
    std::vector<std::pair<std::string, std::string>> listBounds;  // per nesting level, outermost first
};

struct ExpressEntity {
    std::string name;
    std::vector<std::string> supertypes;
    std::vector<std::string> subtypes;
    bool isAbstract = false;
    bool isOneOf = false;
    std::vector<ExpressAttribute> attributes;
    std::map<std::string, std::string> uniqueRules;
    std::map<std::string, std::string> whereRules;
    std::string comment;  // only for names taken over by REFERENCE or USE
};

struct ExpressEnumeration {
    std::string name;
    std::set<std::string> items;
};

struct ExpressSelect {
    std::string name;
    std::set<std::string> items;
};

struct ExpressDefinedType {
    std::string name;
    std::string underlyingType;
    int width = 0;
    bool isSet = false;
    bool isList = false;
    bool isArray = false;
    bool hasInRule = false;
    std::set<std::string> allowedValues;
    std::string aggMin;
    std::string aggMax;
    std::string minValue;
    std::string maxValue;
    bool minInclusive = false;
    bool maxInclusive = false;
};

struct ExpressSchema {
    std::string schemaFile;
    // A name declared twice ends with the later record here; the earlier stays owned by `records`.
    std::map<std::string, ExpressEntity*> entities;
    std::map<std::string, ExpressEnumeration*> enumerations;
    std::map<std::string, ExpressSelect*> selects;
    std::map<std::string, ExpressDefinedType*> definedTypes;
    std::map<std::string, int> propertyNameCount;
    std::map<std::string, std::map<std::string, int>> inverseTargetCount;
    std::map<std::string, int> enumerationItemCount;
    std::map<std::string, Redland::Node> classNodes;
    std::map<std::string, Redland::Node> propertyNodes;
    std::map<std::string, Redland::Node> datatypeNodes;
    std::map<std::string, std::string> wrapperPropertyNames;
    std::map<Redland::Node, Redland::Node> wrapperProperties;

    // Empties schemaFile and the four declaration maps; the other tables stay.
    void clear();

    // New records, owned by the schema, stored under their name (replacing an earlier entry).
    ExpressEntity& addEntity(const std::string& name);
    ExpressEnumeration& addEnumeration(const std::string& name);
    ExpressSelect& addSelect(const std::string& name);
    ExpressDefinedType& addDefinedType(const std::string& name);

private:
    std::vector<std::unique_ptr<ExpressEntity>> entityRecords;
    std::vector<std::unique_ptr<ExpressEnumeration>> enumerationRecords;
    std::vector<std::unique_ptr<ExpressSelect>> selectRecords;
    std::vector<std::unique_ptr<ExpressDefinedType>> definedTypeRecords;
};
