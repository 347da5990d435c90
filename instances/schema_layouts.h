#pragma once
// What the converter needs to know of a schema, worked out once: the attributes an instance of each entity lists
// in an exchange file, in order, with the property each one becomes; supertypes; and every named type resolved
// to what its values become, so converting a value looks nothing up by name.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "express/schema.h"

namespace Instances {

enum class TypeCategory { Entity, Select, Enumeration, Defined, Simple, Unknown };

struct TypeInfo;

// The entities and the other named types a select admits, nested selects flattened.
struct SelectMembers {
    std::set<std::string> entities;
    std::map<std::string, const TypeInfo*> otherTypes;  // by the exchange file's (upper-case) spelling
};

struct TypeInfo {
    std::string name;
    TypeCategory category = TypeCategory::Unknown;
    std::string classIri;  // of value nodes, and of the cells of a defined LIST or ARRAY type
    // Defined types: the aggregate's member type, when the type is a LIST, ARRAY or SET.
    const ExpressDefinedType* defined = nullptr;
    const TypeInfo* member = nullptr;
    // Defined and simple types resting on a simple type: that type, its wrapper property and literal datatype.
    std::string simple;
    std::string wrapperProperty;
    std::string datatype;
    SelectMembers select;
    std::map<std::string, std::string> items;  // enumerations: upper case -> item
};

struct AttributeSlot {
    const ExpressAttribute* attribute = nullptr;
    std::string entity;     // the entity that declares it
    std::string predicate;  // IRI of its property
    const TypeInfo* type = nullptr;
};

struct EntityLayout {
    std::string name;
    std::string classIri;
    std::vector<AttributeSlot> all;   // a plain instance: inherited attributes first
    std::vector<AttributeSlot> own;   // one partial entity of a complex instance
    std::set<std::string> ancestors;  // the entity itself included
};

class SchemaLayouts {
public:
    SchemaLayouts(const ExpressSchema& schema, const std::string& schemaNamespace, const std::string& expressNamespace);

    const EntityLayout* entityByStepName(const std::string& stepName) const;
    const TypeInfo& type(const std::string& name) const { return *types_.at(name); }

private:
    const TypeInfo* resolve(const std::string& name);
    void resolveSelect(TypeInfo& info);
    void layOut(const std::string& name, std::set<std::string>& visiting);
    const ExpressSchema& schema_;
    std::string namespace_, expressNamespace_;
    std::map<std::string, std::unique_ptr<TypeInfo>> types_;
    std::map<std::string, EntityLayout> layouts_;
    std::map<std::string, const EntityLayout*> byStepName_;
};

std::string upperCase(std::string text);
bool isSimpleType(const std::string& name);

}  // namespace Instances
