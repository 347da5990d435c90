#pragma once
// What the converter needs to know of a schema, worked out once: the attributes an instance of each entity lists
// in an exchange file, in order, with the property each one becomes; supertypes; select members; and the names
// of the schema's types as the exchange file spells them (upper case).
#include <map>
#include <set>
#include <string>
#include <vector>

#include "express/schema.h"

namespace Instances {

struct AttributeSlot {
    const ExpressAttribute* attribute = nullptr;
    std::string entity;     // the entity that declares it
    std::string predicate;  // IRI of its property
};

struct EntityLayout {
    std::string name;
    std::vector<AttributeSlot> all;   // a plain instance: inherited attributes first
    std::vector<AttributeSlot> own;   // one partial entity of a complex instance
    std::set<std::string> ancestors;  // the entity itself included
};

enum class TypeCategory { Entity, Select, Enumeration, Defined, Simple, Unknown };

// The entities and the other named types a select admits, nested selects flattened.
struct SelectMembers {
    std::set<std::string> entities;
    std::map<std::string, std::string> otherTypes;  // upper case -> schema spelling
};

class SchemaLayouts {
public:
    SchemaLayouts(const ExpressSchema& schema, const std::string& schemaNamespace);

    const ExpressSchema& schema() const { return schema_; }
    const EntityLayout* entityByStepName(const std::string& stepName) const;
    TypeCategory categoryOf(const std::string& typeName) const;
    const SelectMembers& selectMembers(const std::string& selectName) const;
    // The simple type a defined type rests on through plain aliases; empty when it rests on none.
    const std::string& simpleBaseOf(const std::string& definedType) const;
    // The item of the enumeration the exchange-file literal names; nullptr when it has none.
    const std::string* enumerationItem(const std::string& enumeration, const std::string& literal) const;

private:
    void layOut(const std::string& name, std::set<std::string>& visiting);
    const ExpressSchema& schema_;
    std::string namespace_;
    std::map<std::string, EntityLayout> layouts_;
    std::map<std::string, const EntityLayout*> byStepName_;
    mutable std::map<std::string, SelectMembers> selects_;
    mutable std::map<std::string, std::string> simpleBases_;
    std::map<std::string, std::map<std::string, std::string>> enumerationItems_;  // upper-case item -> item
};

std::string upperCase(std::string text);
bool isSimpleType(const std::string& name);

}  // namespace Instances
