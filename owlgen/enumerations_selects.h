#pragma once
// EXPRESS ENUMERATION and SELECT types as OWL classes under the EXPRESS anchor classes.
#include "express/schema.h"
#include "rdf/graph.h"

// The anchor classes ENUMERATION and SELECT and the property hasSet, named in vocabularyGraph.
void addExpressAnchors(ExpressSchema& schema, RdfCpp::Graph& vocabularyGraph);

// One class per enumeration under ENUMERATION, with one named individual per item. Without the LDWG
// decisions the class is also stated equal to the closed set of its individuals.
void generateEnumerations(ExpressSchema& schema, RdfCpp::Graph& schemaGraph, bool adoptLdwgDecisions);

// One class per select under SELECT, tied to its member classes: as their superclass with the LDWG
// decisions, otherwise as the union of them. A member without a class is reported and counted.
void generateSelectClasses(ExpressSchema& schema, RdfCpp::Graph& schemaGraph, bool adoptLdwgDecisions, int& errorCount);
