#include "express/ontology_names.h"

namespace OntologyIris {
const std::string expressVocabularyIri = "https://w3id.org/express";
const std::string listVocabularyIri = "https://w3id.org/list";
}  // namespace OntologyIris

std::string propertyIriName(const ExpressSchema& schema, bool adoptLdwgDecisions, const std::string& attributeName,
                            const std::string& entityName) {
    if (adoptLdwgDecisions) {
        std::string name = attributeName + "_" + entityName;
        if (name[0] >= 'A' && name[0] <= 'Z') name[0] = static_cast<char>(name[0] - 'A' + 'a');
        return name;
    }
    auto count = schema.propertyNameCount.find(attributeName);
    if (count == schema.propertyNameCount.end() || count->second <= 1) return attributeName;
    return attributeName + "_of_" + entityName;
}

std::string enumerationIndividualName(const ExpressSchema& schema, bool adoptLdwgDecisions, const std::string& item,
                                      const std::string& enumeration) {
    if (adoptLdwgDecisions) return item;
    auto it = schema.enumerationItemCount.find(item);
    bool unique = it != schema.enumerationItemCount.end() && it->second == 1;
    return unique ? item : item + "_of_" + enumeration;
}

std::string listClassName(const std::string& memberName) { return memberName + "_List"; }
std::string emptyListClassName(const std::string& memberName) { return memberName + "_EmptyList"; }
