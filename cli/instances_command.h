#pragma once
// `sartell instances`: an IFC model as RDF instance data of the ontology generated for its schema.

// argv[0] is "instances". Exit status 0 when everything converted, 1 when anything was left out or nothing could
// be written, 2 for usage errors.
int runInstancesCommand(int argc, char** argv);
