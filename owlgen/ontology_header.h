#pragma once
// Header annotations and namespace prefixes of the schema and rules ontologies.
#include <string>

#include "express/schema.h"
#include "owlgen/conversion_settings.h"
#include "rdf/graph.h"
#include "rdf/manager.h"

// The last element of text read as a path; "." when text ends in a separator.
std::string pathFileName(const std::string& text);
// pathFileName without its last extension; "." and ".." unchanged.
std::string pathStem(const std::string& text);

// True when the ontology URI names an IFC schema (case-sensitive "IFC" or "ifc").
bool isIfcOntologyUri(const std::string& uri);

// Creators, licence (CC BY 3.0 unless set), title and date come from the settings where they are set.
void writeSchemaOntologyHeader(RdfCpp::Graph& schemaGraph, RdfCpp::GraphManager& manager, const ExpressSchema& schema,
                               const ConversionSettings& settings);
void writeRulesOntologyHeader(RdfCpp::Graph& rulesGraph, const std::string& rulesUri, const ExpressSchema& schema,
                              const ConversionSettings& settings);

// Registers rdf, rdfs, owl, xsd, dce, [expr,] vann, list and cc in this order.
void registerStandardPrefixes(RdfCpp::GraphManager& manager, bool withExpr);
