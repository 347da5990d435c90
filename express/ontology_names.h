#pragma once
// Naming rules the generated ontologies follow and instance data must match: whoever writes a term of a schema's
// ontology takes its name from here.
#include <string>

#include "express/schema.h"

namespace OntologyIris {
// The EXPRESS and list vocabularies imported by the published OWL editions of IFC.
extern const std::string expressVocabularyIri;  // https://w3id.org/express
extern const std::string listVocabularyIri;     // https://w3id.org/list
}  // namespace OntologyIris

// The local name of the property of attribute attributeName declared in entity entityName.
std::string propertyIriName(const ExpressSchema& schema, bool adoptLdwgDecisions, const std::string& attributeName,
                            const std::string& entityName);

// The individual of an enumeration item; without the LDWG decisions an item shared by several enumerations needs
// the enumeration in its name to stay apart.
std::string enumerationIndividualName(const ExpressSchema& schema, bool adoptLdwgDecisions, const std::string& item,
                                      const std::string& enumeration);

// The list class of members of class memberName, and its empty-list subclass.
std::string listClassName(const std::string& memberName);
std::string emptyListClassName(const std::string& memberName);
