#pragma once
#include <string>

#include "express/schema.h"
#include "owlgen/conversion_settings.h"

struct ConversionOutcome {
    bool completed = false;  // the run reached its report
    int errorCount = 0;      // as the report prints it: generation errors and failed saves
    int failedSaves = 0;
    std::string ontologyFile;  // the schema ontology's file, once it was saved
    std::string rulesFile;     // the rules ontology's file, when one was saved
    std::size_t classes = 0;
    std::size_t properties = 0;

    bool succeeded() const { return completed && failedSaves == 0; }
};

// Turns a parsed schema into the schema ontology (and, on request, the rules ontology) in the repository.
// Not completed when the repository's vocabulary ontologies are unusable or a root graph could not be
// created; nothing of the schema ontology is written then.
ConversionOutcome runConversion(ExpressSchema& schema, ConversionSettings settings);
