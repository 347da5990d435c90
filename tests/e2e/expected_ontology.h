#pragma once
// What a conversion must write for a parsed schema, worked out from the model by the documented naming and
// resolution rules alone (names, not triples), so that whole-schema runs can be checked for completeness:
// the named classes of the schema ontology and of the EXPRESS vocabulary ontology, the attribute
// properties, and the " * Error" lines the generation phases print.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "express/schema.h"

namespace e2e {

struct ExpectedOntology {
    std::set<std::string> schemaClasses;      // local names in the schema ontology's namespace
    std::set<std::string> vocabularyClasses;  // with LDWG: local names in the EXPRESS vocabulary ontology
    std::set<std::string> objectProperties;   // local names of the schema ontology's object properties
    std::vector<std::string> errorLines;      // in the order the phases meet them
};

class ExpectedOntologyBuilder {
public:
    ExpectedOntologyBuilder(const ExpressSchema& schema, bool ldwg) : schema_(schema), ldwg_(ldwg) {}

    // Classes come from: the EXPRESS anchors ENUMERATION and SELECT; without LDWG the list vocabulary's
    // List and EmptyList (with LDWG they are external); every entity; the seven simple-type wrapper
    // classes, with LDWG also LogicalEnum and, per simple type X, X_List, X_EmptyList, X_List_List and
    // X_List_EmptyList; every defined type whose underlying type resolves within ten passes in key order
    // (an aggregate one adds the list class of its member); every enumeration and select; per LIST or
    // ARRAY attribute level the list class of its member (with LDWG plus the empty-list class). Without
    // LDWG vocabulary and schema are one ontology.
    ExpectedOntology build() {
        place("ENUMERATION", vocabulary());
        place("SELECT", vocabulary());
        if (!ldwg_) {
            place("List", Where::Schema);
            place("EmptyList", Where::Schema);
        } else {
            place("List", Where::External);
            place("EmptyList", Where::External);
        }
        for (const auto& [name, entity] : schema_.entities)
            place(name, entity->comment.empty() ? Where::Schema : Where::External);
        datatypes();
        for (const auto& entry : schema_.enumerations) place(entry.first, Where::Schema);
        selects();
        properties();

        ExpectedOntology result;
        for (const auto& [name, where] : classes_) {
            if (where == Where::Schema) result.schemaClasses.insert(name);
            if (where == Where::Vocabulary) result.vocabularyClasses.insert(name);
        }
        result.objectProperties = properties_;
        if (!ldwg_)
            for (const char* term : {"hasSet", "isFollowedBy", "hasNext", "hasContents"})
                result.objectProperties.insert(term);
        result.errorLines = errors_;
        return result;
    }

private:
    enum class Where { Schema, Vocabulary, External };

    Where vocabulary() const { return ldwg_ ? Where::Vocabulary : Where::Schema; }
    void place(const std::string& name, Where where) { classes_[name] = where; }
    bool hasClass(const std::string& name) const { return classes_.count(name) > 0; }
    bool known(const std::string& name) const { return hasClass(name) || datatypes_.count(name) > 0; }

    void listClass(const std::string& member, Where where) {
        if (hasClass(member + "_List") || !hasClass(member)) return;
        place(member + "_List", where);
        if (ldwg_) place(member + "_EmptyList", where);
    }

    void datatypes() {
        for (const char* simple : {"BINARY", "BOOLEAN", "INTEGER", "LOGICAL", "NUMBER", "REAL", "STRING"}) {
            place(simple, vocabulary());
            datatypes_.insert(simple);
            if (ldwg_) {
                listClass(simple, Where::Vocabulary);
                listClass(std::string(simple) + "_List", Where::Vocabulary);
            }
        }
        if (ldwg_) place("LogicalEnum", Where::Vocabulary);
        for (int pass = 0; pass < 10; ++pass) {
            for (const auto& [name, type] : schema_.definedTypes) {
                if (known(name) || !known(type->underlyingType)) continue;
                bool valued = !type->minValue.empty() || !type->maxValue.empty() || type->hasInRule || type->width;
                if (!valued && (type->isList || type->isArray)) listClass(type->underlyingType, Where::Schema);
                if (valued || !(type->isList || type->isArray || type->isSet)) datatypes_.insert(name);
                place(name, Where::Schema);
            }
        }
    }

    void selects() {
        for (const auto& entry : schema_.selects) place(entry.first, Where::Schema);
        for (const auto& [name, select] : schema_.selects)
            for (const std::string& member : select->items)
                if (!hasClass(member))
                    errors_.push_back(" * Error: NOT found class: " + member + " for SELECT: " + name);
    }

    static bool ordered(const ExpressAttribute& attribute) { return attribute.isList || attribute.isArray; }

    bool skippedInverse(const ExpressAttribute& attribute) const {
        int sharing = 0;
        for (const auto& entry : schema_.entities)
            for (const ExpressAttribute& other : entry.second->attributes)
                if (other.inverseOf == attribute.inverseOf && other.targetType == attribute.targetType) ++sharing;
        if (sharing > 1 || ordered(attribute)) return true;
        auto target = schema_.entities.find(attribute.targetType);
        if (target == schema_.entities.end()) return false;
        for (const ExpressAttribute& forward : target->second->attributes)
            if (forward.name == attribute.inverseOf && ordered(forward)) return true;
        return false;
    }

    std::string propertyName(const std::string& attribute, const std::string& entity) const {
        if (ldwg_) {
            std::string name = attribute + "_" + entity;
            if (name[0] >= 'A' && name[0] <= 'Z') name[0] = static_cast<char>(name[0] - 'A' + 'a');
            return name;
        }
        // Names used more than once in the whole schema, or by the list and set vocabulary, are qualified.
        int uses = 0;
        for (const char* term : {"hasSet", "isFollowedBy", "hasNext", "hasContents"}) uses += attribute == term;
        for (const auto& entry : schema_.entities)
            for (const ExpressAttribute& other : entry.second->attributes) uses += other.name == attribute;
        return uses <= 1 ? attribute : attribute + "_of_" + entity;
    }

    void properties() {
        for (const auto& [entityName, entity] : schema_.entities) {
            for (const ExpressAttribute& attribute : entity->attributes) {
                if (!attribute.inverseOf.empty() && skippedInverse(attribute)) continue;
                const std::string& type = attribute.targetType;
                if (!known(type) && schema_.selects.count(type) == 0) {
                    errors_.push_back(" * Error: incomplete generation for " + entityName + " (" + attribute.name +
                                      ", " + type + ")");
                    continue;
                }
                if (ordered(attribute)) {
                    size_t levels = attribute.listBounds.empty() ? 1 : attribute.listBounds.size();
                    std::string member = type;
                    for (size_t level = 0; level < levels; ++level, member += "_List") listClass(member, Where::Schema);
                }
                properties_.insert(propertyName(attribute.name, entityName));
            }
        }
    }

    const ExpressSchema& schema_;
    const bool ldwg_;
    std::map<std::string, Where> classes_;
    std::set<std::string> datatypes_;
    std::set<std::string> properties_;
    std::vector<std::string> errors_;
};

inline ExpectedOntology expectedOntology(const ExpressSchema& schema, bool ldwg) {
    return ExpectedOntologyBuilder(schema, ldwg).build();
}

}  // namespace e2e
