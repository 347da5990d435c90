#pragma once
#include "express/schema.h"
#include "owlgen/conversion_settings.h"

// Turns a parsed schema into the schema ontology (and, on request, the rules ontology) in the repository.
// False when a root graph could not be created.
bool runConversion(ExpressSchema& schema, ConversionSettings settings);
