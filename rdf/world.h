#pragma once
// The one librdf world of the process.
#include <librdf.h>

namespace Redland {

// Created and opened on first use (static initialisation of the vocabulary constants makes that happen
// before main); never replaced. librdf and raptor messages are routed to standard output from here.
librdf_world* getWorld();

}  // namespace Redland
