#pragma once
// `sartell instances`: an IFC model as RDF instance data of the ontology generated for its schema.

#include <string>
#include <vector>

#include "cli/exit_status.h"

// args after the word "instances". Exit status 0 when everything converted, 1 when anything was left out or
// nothing could be written, 2 for usage errors.
ExitStatus runInstancesCommand(const std::vector<std::string>& args);
