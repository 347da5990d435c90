#pragma once
// What every generation phase works with.
#include "express/schema.h"
#include "owlgen/conversion_settings.h"
#include "rdf/graph.h"
#include "rdf/manager.h"

struct GenerationContext {
    ExpressSchema& schema;
    RdfCpp::GraphManager& manager;
    RdfCpp::Graph& schemaGraph;
    RdfCpp::Graph& vocabularyGraph;  // schemaGraph itself when LDWG decisions are not adopted
    const ConversionSettings& settings;
    int& errorCount;

    // The URI node of name in graph: graph's URI, "#", name.
    static Redland::Node nameIn(RdfCpp::Graph& graph, const std::string& name);
};
