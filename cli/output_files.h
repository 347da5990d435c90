#pragma once
// The files a conversion will write, checked before anything is written: an ontology file must never
// replace a vocabulary ontology, the catalog, or another ontology.
#include <string>

#include "owlgen/conversion_settings.h"

// The schema ontology's file, relative to the repository folder.
std::string schemaOntologyFileName(const ConversionSettings& settings);
// The rules ontology's file: the schema ontology's name with "_rules" before its extension.
std::string rulesOntologyFileName(const ConversionSettings& settings);

// Empty when the run's ontology files are distinct from every file they must not replace; otherwise the
// one-line reason.
std::string outputFileClash(const ConversionSettings& settings);
