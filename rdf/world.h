#pragma once
// The one librdf world of the process.

typedef struct librdf_world_s librdf_world;  // as librdf.h declares it; opaque outside rdf/

namespace Redland {

// Created and opened on first use (the first parse, raptor serialization or query); never replaced. librdf
// and raptor messages are routed to standard output from here.
librdf_world* getWorld();

}  // namespace Redland
