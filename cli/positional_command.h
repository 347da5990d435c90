#pragma once
// The positional form: sartell INPUT OUTPUT ONTOLOGY_URI [REPOSITORY [S5 [S6 [S7 [IMPORT_BASE [S9 [VERSION]]]]]]].
#include <string>
#include <vector>

#include "cli/exit_status.h"

// args without the program name.
ExitStatus runPositionalCommand(const std::vector<std::string>& args);
