#pragma once
// The named form: sartell ontology [options] SCHEMA.exp. Same settings and conversion as the positional
// form; paths are relative to the current folder, the result goes to standard output, messages to
// standard error.
#include <string>
#include <vector>

#include "cli/exit_status.h"

// The published IRI for a schema file named after an IFC release (IFC4_ADD2_TC1.exp ->
// https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL); empty for any other name.
std::string defaultOntologyIri(const std::string& schemaFile);

// args after the word "ontology".
ExitStatus runOntologyCommand(const std::vector<std::string>& args);
