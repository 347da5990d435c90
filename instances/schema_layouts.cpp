#include "instances/schema_layouts.h"

#include "express/ontology_names.h"
#include "instances/vocabulary_iris.h"

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

namespace {

// The wrapper property and literal datatype of each simple type, as the EXPRESS vocabulary declares them.
void setWrapper(TypeInfo& info, const std::string& simple, const std::string& expressNamespace) {
    static const std::map<std::string, std::pair<const char*, const char*>> wrappers = {
        {"BINARY", {"hasHexBinary", "hexBinary"}}, {"BOOLEAN", {"hasBoolean", "boolean"}},
        {"INTEGER", {"hasInteger", "integer"}},    {"LOGICAL", {"hasLogical", ""}},
        {"NUMBER", {"hasDouble", "double"}},       {"REAL", {"hasDouble", "double"}},
        {"STRING", {"hasString", "string"}}};
    const auto& wrapper = wrappers.at(simple);
    info.simple = simple;
    info.wrapperProperty = expressNamespace + wrapper.first;
    if (*wrapper.second) info.datatype = xsdNamespace + wrapper.second;
}

}  // namespace

SchemaLayouts::SchemaLayouts(const ExpressSchema& schema, const std::string& schemaNamespace,
                             const std::string& expressNamespace)
    : schema_(schema), namespace_(schemaNamespace), expressNamespace_(expressNamespace) {
    for (const auto& entry : schema.entities) {
        std::set<std::string> visiting;
        layOut(entry.first, visiting);
    }
    for (const auto& entry : layouts_) byStepName_[upperCase(entry.first)] = &entry.second;
    // Resolving a select's members may add further selects.
    std::set<const TypeInfo*> done;
    for (bool again = true; again;) {
        again = false;
        for (auto& entry : types_) {
            if (entry.second->category != TypeCategory::Select || !done.insert(entry.second.get()).second) continue;
            resolveSelect(*entry.second);
            again = true;
        }
    }
}

const TypeInfo* SchemaLayouts::resolve(const std::string& name) {
    auto found = types_.find(name);
    if (found != types_.end()) return found->second.get();
    TypeInfo& info = *types_.emplace(name, std::make_unique<TypeInfo>()).first->second;
    info.name = name;
    info.classIri = namespace_ + name;
    if (schema_.entities.count(name)) {
        info.category = TypeCategory::Entity;
    } else if (schema_.selects.count(name)) {
        info.category = TypeCategory::Select;  // members resolved once every type is known
    } else if (auto enumeration = schema_.enumerations.find(name); enumeration != schema_.enumerations.end()) {
        info.category = TypeCategory::Enumeration;
        for (const std::string& item : enumeration->second->items) info.items[upperCase(item)] = item;
    } else if (auto defined = schema_.definedTypes.find(name); defined != schema_.definedTypes.end()) {
        info.category = TypeCategory::Defined;
        info.defined = defined->second;
        if (info.defined->isList || info.defined->isArray || info.defined->isSet) {
            info.member = resolve(info.defined->underlyingType);
        } else {
            // Through plain aliases to the simple type; a chain longer than the schema's types is a cycle.
            std::string base = name;
            for (std::size_t step = 0; step <= schema_.definedTypes.size() && !isSimpleType(base); ++step) {
                auto next = schema_.definedTypes.find(base);
                if (next == schema_.definedTypes.end() || next->second->isList || next->second->isArray ||
                    next->second->isSet)
                    break;
                base = next->second->underlyingType;
            }
            if (isSimpleType(base)) setWrapper(info, base, expressNamespace_);
        }
    } else if (isSimpleType(name)) {
        info.category = TypeCategory::Simple;
        info.classIri = expressNamespace_ + name;
        setWrapper(info, name, expressNamespace_);
    }
    return &info;
}

void SchemaLayouts::resolveSelect(TypeInfo& info) {
    std::set<std::string> seen;
    std::vector<std::string> pending{info.name};
    while (!pending.empty()) {
        const std::string name = pending.back();
        pending.pop_back();
        if (!seen.insert(name).second) continue;
        auto select = schema_.selects.find(name);
        if (select == schema_.selects.end()) continue;
        for (const std::string& item : select->second->items) {
            if (schema_.entities.count(item))
                info.select.entities.insert(item);
            else if (schema_.selects.count(item))
                pending.push_back(item);
            else
                info.select.otherTypes[upperCase(item)] = resolve(item);
        }
    }
}

// Supertypes first, each entity's attributes once, so a diamond does not list an attribute twice.
void SchemaLayouts::layOut(const std::string& name, std::set<std::string>& visiting) {
    if (layouts_.count(name) || visiting.count(name)) return;
    auto found = schema_.entities.find(name);
    if (found == schema_.entities.end()) return;
    visiting.insert(name);
    EntityLayout layout;
    layout.name = name;
    layout.classIri = namespace_ + name;
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
        AttributeSlot slot{&attribute, name, namespace_ + propertyIriName(schema_, true, attribute.name, name),
                           resolve(attribute.targetType)};
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

}  // namespace Instances
