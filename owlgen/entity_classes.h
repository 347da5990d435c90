#pragma once
// Entities as OWL classes: the classes themselves, SUBTYPE OF as rdfs:subClassOf, and the disjointness
// and covering axioms of SUPERTYPE OF and ABSTRACT.
#include <string>

#include "express/schema.h"
#include "rdf/graph.h"

// One class per entity, recorded in classNodes; also counts the inverse attributes per FOR attribute and
// target entity in inverseTargetCount.
void generateClasses(ExpressSchema& schema, RdfCpp::Graph& schemaGraph, const std::string& importBaseUri);

// Each entity's class becomes a subclass of the classes of its supertypes; unknown supertypes are skipped.
void generateClassHierarchy(ExpressSchema& schema, RdfCpp::Graph& schemaGraph);

// Subtypes of an entity are made pairwise disjoint; an abstract entity is a subclass of the union of its
// subtypes. Subtypes without a class take part in neither.
void defineAbstractAndDisjointClasses(ExpressSchema& schema, RdfCpp::Graph& schemaGraph);
