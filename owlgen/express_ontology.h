#pragma once
// The EXPRESS vocabulary ontology's header, and the list vocabulary ontology the converter carries.
#include "rdf/connector.h"
#include "rdf/manager.h"

// Starts the manager afresh with the EXPRESS vocabulary ontology as root, writes its header and saves it.
// False when it could not be saved.
bool writeExpressOntology(RdfCpp::GraphManager& manager, RdfCpp::Connector& connector);

// Writes the list vocabulary ontology into the repository unless a repository file already holds it (or
// rebuild is set), and leaves the written graph with manager for its imports. False when it was to be
// written and could not be.
bool ensureListVocabulary(RdfCpp::Connector& connector, RdfCpp::GraphManager& manager, bool rebuild = false);

// Whether a repository file holds the ontology (found by file stem or by ontology URI).
bool repositoryHolds(RdfCpp::Connector& connector, const std::string& ontologyUri);

// Why the repository's file of a vocabulary ontology (express.owl or list.owl) cannot be used: empty,
// unparseable, another ontology, or without the terms schema ontologies name in it. Empty when the file is
// usable or absent (an absent one is written by the run).
std::string vocabularyFault(RdfCpp::Connector& connector, const std::string& ontologyIri);
