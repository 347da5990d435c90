#include "express/rule_expressions.h"

#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "express/name_lookup.h"
#include "express/text_ops.h"
#include "rdf/ontology_property.h"
#include "rdf/restrictions.h"
#include "rdf/vocabulary.h"

namespace {

using RdfCpp::OntologyProperty;
using Redland::Node;

const char* const propertySetTest = "(EXISTS(SELF\\IfcPropertySetDefinition.DefinesType[1]))";

bool isDeclared(const OntologyProperty* property) {
    return property && (property->isDatatypeProperty || property->isObjectProperty);
}

bool isLabelled(const OntologyProperty* property, const std::string& label) {
    return property && property->label == label;
}

Node classNodeOf(const ExpressSchema& schema, const std::string& name) {
    auto found = schema.classNodes.find(name);
    return found == schema.classNodes.end() ? Node() : found->second;
}

// The one-step owl:allValuesFrom chains on cls and its ancestors.
std::vector<ClassRestrictions*> valueRestrictions(RdfCpp::GraphManager& manager, const Node& cls) {
    static const std::set<Node> kinds = {Vocabulary::owl_allValuesFrom};
    return manager.getClassRestrictions(cls, 1, kinds);
}

void reportIncomplete(const std::string& entityName, int& errorCount) {
    std::cout << " * Error: incomplete generation of Class Expression for " << entityName << std::endl;
    ++errorCount;
}

// cls subClassOf [ onProperty outer ; allValuesFrom [ onProperty inner ; allValuesFrom fillers ] ].
void writeTwoSteps(const Node& cls, OntologyProperty* outer, OntologyProperty* inner, const std::set<Node>& fillers,
                   RdfCpp::Graph& graph) {
    Restriction outerStep(Vocabulary::owl_allValuesFrom, outer, Node(), -1);
    Restriction innerStep(Vocabulary::owl_allValuesFrom, inner, Node(), -1);
    for (const Node& filler : fillers) innerStep.addFiller(filler);
    ClassRestrictions chain(cls);
    chain.restrictions = {&outerStep, &innerStep};
    chain.write(&graph);
}

// The type class named in a type assignment rule: the second part of the quoted TYPEOF name before IN.
std::string assignedTypeName(const std::vector<std::string>& words) {
    for (std::vector<std::string>::size_type i = 1; i < words.size(); ++i) {
        if (words[i] != "IN") continue;
        std::vector<std::string> parts = splitNonEmpty(erasedAll(words[i - 1], {"'"}), ".");
        return parts.size() == 2 ? parts[1] : std::string();
    }
    return std::string();
}

// Pass 1: the type object of an occurrence is of the type class its rule names. Returns false when the
// entity has such a rule and it cannot be completed.
bool assignType(const ExpressEntity& entity, ExpressSchema& schema, RdfCpp::GraphManager& manager,
                RdfCpp::Graph& rulesGraph, std::map<Node, Node>& typeToOccurrence) {
    auto rule = entity.whereRules.find("CorrectTypeAssigned");
    if (rule == entity.whereRules.end()) rule = entity.whereRules.find("CorrectStyleAssigned");
    if (rule == entity.whereRules.end()) return true;
    std::vector<std::string> words = splitNonEmpty(rule->second, " ");
    if (words.empty()) return true;

    const std::string typeName = assignedTypeName(words);
    if (typeName.empty()) return false;
    Node typeClass;
    for (const auto& entry : schema.classNodes) {
        if (sameName(entry.first, typeName)) {
            typeClass = entry.second;
            break;
        }
    }
    if (!typeClass.isValid()) return false;

    const Node occurrenceClass = classNodeOf(schema, entity.name);
    OntologyProperty* typedBy = nullptr;
    Node relation;
    for (ClassRestrictions* chain : valueRestrictions(manager, occurrenceClass)) {
        if (isLabelled(chain->getStepProperty(0), "IsTypedBy")) {
            typedBy = chain->getStepProperty(0);
            relation = chain->getStepFiller(0);
            break;
        }
    }
    if (!typedBy) return false;
    OntologyProperty* relatingType = nullptr;
    for (ClassRestrictions* chain : valueRestrictions(manager, relation)) {
        if (isLabelled(chain->getStepProperty(0), "RelatingType")) {
            relatingType = chain->getStepProperty(0);
            break;
        }
    }
    if (!relatingType || !isDeclared(typedBy) || !isDeclared(relatingType)) return false;

    typeToOccurrence[typeClass] = occurrenceClass;
    writeTwoSteps(occurrenceClass, typedBy, relatingType, {typeClass}, rulesGraph);

    std::vector<OntologyProperty*> typedByInverses = typedBy->getInverseProperties();
    std::vector<OntologyProperty*> relatingTypeInverses = relatingType->getInverseProperties();
    if (!typedByInverses.empty() && !relatingTypeInverses.empty())
        writeTwoSteps(typeClass, relatingTypeInverses.front(), typedByInverses.front(), {occurrenceClass}, rulesGraph);
    return true;
}

// The words of the first rule that tests for a property set's DefinesType; empty when there is none.
std::vector<std::string> propertySetRuleWords(const ExpressEntity& entity) {
    for (const auto& rule : entity.whereRules) {
        std::vector<std::string> words = splitNonEmpty(rule.second, " ");
        for (const std::string& word : words) {
            if (word == propertySetTest) return words;
        }
    }
    return {};
}

// Pass 2: a property set template applies to the type classes its rule names, and through them to their
// occurrence classes. Returns false when the entity has such a rule and its type expression is not written.
bool definePropertySet(const ExpressEntity& entity, ExpressSchema& schema, RdfCpp::GraphManager& manager,
                       RdfCpp::Graph& rulesGraph, const std::map<Node, Node>& typeToOccurrence) {
    std::vector<std::string> words = propertySetRuleWords(entity);
    if (words.empty()) return true;

    std::set<std::string> names;
    for (const std::string& word : words) {
        std::string bare = erasedAll(word, {"'", "(", ")"});
        if (bare.empty()) continue;
        std::vector<std::string> parts = splitNonEmpty(bare, ".");
        if (parts.size() == 2) names.insert(parts[1]);
    }
    std::set<Node> typeClasses;
    for (const std::string& name : names) {
        for (const auto& entry : schema.classNodes) {
            if (sameName(entry.first, name)) typeClasses.insert(entry.second);
        }
    }
    if (typeClasses.empty()) return false;

    const Node propertySetClass = classNodeOf(schema, entity.name);
    std::vector<ClassRestrictions*> chains = valueRestrictions(manager, propertySetClass);
    if (chains.empty()) return false;
    OntologyProperty* definesType = nullptr;
    OntologyProperty* definesOccurrence = nullptr;
    OntologyProperty* relatedObjects = nullptr;
    for (ClassRestrictions* chain : chains) {
        OntologyProperty* property = chain->getStepProperty(0);
        if (isLabelled(property, "DefinesType")) definesType = property;
        if (!isLabelled(property, "DefinesOccurrence")) continue;
        definesOccurrence = property;
        for (ClassRestrictions* relationChain : valueRestrictions(manager, chain->getStepFiller(0))) {
            if (isLabelled(relationChain->getStepProperty(0), "RelatedObjects"))
                relatedObjects = relationChain->getStepProperty(0);
        }
    }

    bool completed = false;
    if (isDeclared(definesType)) {
        Restriction step(Vocabulary::owl_allValuesFrom, definesType, Node(), -1);
        for (const Node& typeClass : typeClasses) step.addFiller(typeClass);
        ClassRestrictions chain(propertySetClass);
        chain.restrictions.push_back(&step);
        chain.write(&rulesGraph);
        completed = true;
    }
    if (isDeclared(definesOccurrence) && isDeclared(relatedObjects)) {
        std::set<Node> occurrences;
        for (const Node& typeClass : typeClasses) {
            auto found = typeToOccurrence.find(typeClass);
            if (found != typeToOccurrence.end()) occurrences.insert(found->second);
        }
        if (!occurrences.empty())
            writeTwoSteps(propertySetClass, definesOccurrence, relatedObjects, occurrences, rulesGraph);
    }
    return completed;
}

}  // namespace

void generateRuleClassExpressions(ExpressSchema& schema, RdfCpp::GraphManager& manager, RdfCpp::Graph& rulesGraph,
                                  int& errorCount) {
    std::map<Node, Node> typeToOccurrence;
    for (const auto& entry : schema.entities) {
        if (entry.second && !assignType(*entry.second, schema, manager, rulesGraph, typeToOccurrence))
            reportIncomplete(entry.second->name, errorCount);
    }
    for (const auto& entry : schema.entities) {
        if (entry.second && !definePropertySet(*entry.second, schema, manager, rulesGraph, typeToOccurrence))
            reportIncomplete(entry.second->name, errorCount);
    }
}
