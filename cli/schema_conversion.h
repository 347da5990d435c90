#pragma once
// One conversion from schema file to repository, the same for every command form: nothing is written unless
// the schema was read in full, declares something, and its ontology files replace nothing they must not.
#include "cli/conversion_driver.h"
#include "cli/exit_status.h"
#include "owlgen/conversion_settings.h"

// Empty when the ontology IRIs of the settings can be written; otherwise the usage error's text. Drops the
// "#" an ontology IRI may end in: the terms' namespace adds it.
std::string normaliseOntologyIris(ConversionSettings& settings);

// settings.inputFile is the schema's path as the file system takes it.
ExitStatus convertSchemaFile(const ConversionSettings& settings, ConversionOutcome& outcome);
