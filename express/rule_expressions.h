#pragma once
// Class expressions for two recurring patterns of the IFC WHERE rules: the type object of an occurrence
// is of the matching type class, and a property set template applies to given type (and, through them,
// occurrence) classes. Written as owl:allValuesFrom chains into the rules ontology.
#include "express/schema.h"
#include "rdf/graph.h"
#include "rdf/manager.h"

// Runs both passes over schema.entities; each entity whose pattern cannot be completed is printed and
// adds one to errorCount.
void generateRuleClassExpressions(ExpressSchema& schema, RdfCpp::GraphManager& manager, RdfCpp::Graph& rulesGraph,
                                  int& errorCount);
