#include "instances/schema_layouts.h"

#include "express/ontology_names.h"

namespace Instances {

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool isSimpleType(const std::string& name) {
    static const std::set<std::string> simple = {"BINARY", "BOOLEAN", "INTEGER", "LOGICAL", "NUMBER", "REAL", "STRING"};
    return simple.count(name) > 0;
}

SchemaLayouts::SchemaLayouts(const ExpressSchema& schema, const std::string& schemaNamespace)
    : schema_(schema), namespace_(schemaNamespace) {
    for (const auto& entry : schema.entities) {
        std::set<std::string> visiting;
        layOut(entry.first, visiting);
    }
    for (const auto& entry : layouts_) byStepName_[upperCase(entry.first)] = &entry.second;
    for (const auto& [name, enumeration] : schema.enumerations)
        for (const std::string& item : enumeration->items) enumerationItems_[name][upperCase(item)] = item;
}

// Supertypes first, each entity's attributes once, so a diamond does not list an attribute twice.
void SchemaLayouts::layOut(const std::string& name, std::set<std::string>& visiting) {
    if (layouts_.count(name) || visiting.count(name)) return;
    auto found = schema_.entities.find(name);
    if (found == schema_.entities.end()) return;
    visiting.insert(name);
    EntityLayout layout;
    layout.name = name;
    std::set<std::string> listed;
    for (const std::string& super : found->second->supertypes) {
        layOut(super, visiting);
        auto parent = layouts_.find(super);
        if (parent == layouts_.end()) continue;
        layout.ancestors.insert(parent->second.ancestors.begin(), parent->second.ancestors.end());
        for (const AttributeSlot& slot : parent->second.all)
            if (listed.insert(slot.entity + "." + slot.attribute->name).second) layout.all.push_back(slot);
    }
    layout.ancestors.insert(name);
    for (const ExpressAttribute& attribute : found->second->attributes) {
        if (!attribute.inverseOf.empty()) continue;
        AttributeSlot slot{&attribute, name, namespace_ + propertyIriName(schema_, true, attribute.name, name)};
        layout.own.push_back(slot);
        layout.all.push_back(slot);
    }
    visiting.erase(name);
    layouts_.emplace(name, std::move(layout));
}

const EntityLayout* SchemaLayouts::entityByStepName(const std::string& stepName) const {
    auto found = byStepName_.find(upperCase(stepName));
    return found == byStepName_.end() ? nullptr : found->second;
}

TypeCategory SchemaLayouts::categoryOf(const std::string& typeName) const {
    if (schema_.entities.count(typeName)) return TypeCategory::Entity;
    if (schema_.selects.count(typeName)) return TypeCategory::Select;
    if (schema_.enumerations.count(typeName)) return TypeCategory::Enumeration;
    if (schema_.definedTypes.count(typeName)) return TypeCategory::Defined;
    if (isSimpleType(typeName)) return TypeCategory::Simple;
    return TypeCategory::Unknown;
}

const SelectMembers& SchemaLayouts::selectMembers(const std::string& selectName) const {
    auto cached = selects_.find(selectName);
    if (cached != selects_.end()) return cached->second;
    SelectMembers members;
    std::set<std::string> seen;
    std::vector<std::string> pending{selectName};
    while (!pending.empty()) {
        const std::string name = pending.back();
        pending.pop_back();
        if (!seen.insert(name).second) continue;
        auto select = schema_.selects.find(name);
        if (select == schema_.selects.end()) continue;
        for (const std::string& item : select->second->items) {
            switch (categoryOf(item)) {
                case TypeCategory::Entity:
                    members.entities.insert(item);
                    break;
                case TypeCategory::Select:
                    pending.push_back(item);
                    break;
                default:
                    members.otherTypes[upperCase(item)] = item;
                    break;
            }
        }
    }
    return selects_.emplace(selectName, std::move(members)).first->second;
}

const std::string& SchemaLayouts::simpleBaseOf(const std::string& definedType) const {
    auto cached = simpleBases_.find(definedType);
    if (cached != simpleBases_.end()) return cached->second;
    std::string name = definedType;
    std::string base;
    // A chain longer than the schema's types is a cycle.
    for (std::size_t step = 0; step <= schema_.definedTypes.size(); ++step) {
        if (isSimpleType(name)) {
            base = name;
            break;
        }
        auto type = schema_.definedTypes.find(name);
        if (type == schema_.definedTypes.end() || type->second->isList || type->second->isArray || type->second->isSet)
            break;
        name = type->second->underlyingType;
    }
    return simpleBases_.emplace(definedType, base).first->second;
}

const std::string* SchemaLayouts::enumerationItem(const std::string& enumeration, const std::string& literal) const {
    auto items = enumerationItems_.find(enumeration);
    if (items == enumerationItems_.end()) return nullptr;
    auto item = items->second.find(upperCase(literal));
    return item == items->second.end() ? nullptr : &item->second;
}

}  // namespace Instances
