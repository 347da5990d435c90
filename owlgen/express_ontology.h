#pragma once
// The EXPRESS vocabulary ontology's header, and the list vocabulary ontology the converter carries.
#include "rdf/connector.h"
#include "rdf/manager.h"

// Starts the manager afresh with the EXPRESS vocabulary ontology as root, writes its header and saves it.
void writeExpressOntology(RdfCpp::GraphManager& manager, RdfCpp::Connector& connector);

// Writes the list vocabulary ontology into the repository unless a repository file already holds it.
// False when it was missing and could not be written.
bool ensureListVocabulary(RdfCpp::Connector& connector);

// Whether a repository file holds the ontology (found by file stem or by ontology URI).
bool repositoryHolds(RdfCpp::Connector& connector, const std::string& ontologyUri);
