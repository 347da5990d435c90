#include "owlgen/ontology_header.h"

#include <boost/filesystem/path.hpp>

#include "owlgen/header_annotations.h"
#include "owlgen/ontology_iris.h"
#include "owlgen/sartell_version.h"
#include "rdf/clock.h"
#include "rdf/vocabulary.h"

using Redland::Node;

std::string pathFileName(const std::string& text) { return boost::filesystem::path(text).filename().string(); }

std::string pathStem(const std::string& text) { return boost::filesystem::path(text).stem().string(); }

bool isIfcOntologyUri(const std::string& uri) {
    return uri.find("IFC") != std::string::npos || uri.find("ifc") != std::string::npos;
}

void registerStandardPrefixes(RdfCpp::GraphManager& manager, bool withExpr) {
    manager.setPrefix(Vocabulary::RDF_NS, "rdf");
    manager.setPrefix(Vocabulary::RDFS_NS, "rdfs");
    manager.setPrefix(Vocabulary::OWL_NS, "owl");
    manager.setPrefix(Vocabulary::XSD_NS, "xsd");
    manager.setPrefix(Vocabulary::DC_NS, "dce");
    if (withExpr) manager.setPrefix(OntologyIris::expressVocabularyIri + "#", "expr");
    manager.setPrefix(Vocabulary::VANN_NS, "vann");
    manager.setPrefix(OntologyIris::listVocabularyIri + "#", "list");
    manager.setPrefix(Vocabulary::CC_NS, "cc");
}

namespace {

// The schema ontology's namespace prefix when none is set: "ifc" for the published IFC ontologies, else the
// last element of the ontology URI.
std::string derivedNamespacePrefix(const std::string& ontologyUri) {
    const bool published = ontologyUri.find(OntologyIris::ifcOntologyBaseIri) != std::string::npos;
    return published ? "ifc" : pathStem(ontologyUri);
}

void writeCreators(RdfCpp::Graph& graph, const ConversionSettings& settings) {
    for (const std::string& creator : settings.creators) graph.addCreator(creator);
}

std::string licenceOf(const ConversionSettings& settings) {
    return settings.licenseIri.empty() ? OntologyIris::defaultLicenceIri : settings.licenseIri;
}

// The date set, else the date of the run (SOURCE_DATE_EPOCH's when it is set).
std::string headerDate(const ConversionSettings& settings) {
    return settings.date.empty() ? RdfCpp::runDate() : settings.date;
}

}  // namespace

void writeSchemaOntologyHeader(RdfCpp::Graph& schemaGraph, RdfCpp::GraphManager& manager, const ExpressSchema& schema,
                               const ConversionSettings& settings) {
    using namespace OntologyIris;
    const Node S(settings.ontologyUri);
    const char* DC = Vocabulary::DC_NS;
    schemaGraph.addTriple(S, headerTerm(Vocabulary::OWL_NS, "versionIRI"), Node(settings.ontologyVersionUri));
    writeCreators(schemaGraph, settings);
    if (isIfcOntologyUri(settings.ontologyUri))
        schemaGraph.setDescription(
            "OWL ontology for the IFC conceptual data schema and exchange file format for Building Information "
            "Model (BIM) data");
    declareDcAnnotationProperty(schemaGraph, "language");
    annotate(schemaGraph, S, DC, "language", "en");
    declareDcAnnotationProperty(schemaGraph, "identifier");
    declareDcAnnotationProperty(schemaGraph, "title");
    annotate(schemaGraph, S, DC, "title", settings.title.empty() ? pathStem(schema.schemaFile) : settings.title);
    declareDcAnnotationProperty(schemaGraph, "date");
    // A prefix the user chose is the one to prefer.
    writePreferredNamespace(schemaGraph, S, settings.prefix.empty() ? "ifc" : settings.prefix, settings.ontologyUri);
    writeLicence(schemaGraph, S, licenceOf(settings));
    annotate(schemaGraph, S, DC, "date", headerDate(settings));
    schemaGraph.addComment("Ontology automatically generated from EXPRESS schema '" + pathFileName(schema.schemaFile) +
                           "' using Sartell converter developed by " + authorCredit + " with revision support from " +
                           reviserCredit);

    const std::string prefix = settings.prefix.empty() ? derivedNamespacePrefix(settings.ontologyUri) : settings.prefix;
    manager.setPrefix(schemaGraph.getNamespace(), prefix);
    registerStandardPrefixes(manager, true);
}

void writeRulesOntologyHeader(RdfCpp::Graph& rulesGraph, const std::string& rulesUri, const ExpressSchema& schema,
                              const ConversionSettings& settings) {
    const Node R(rulesUri);
    const char* DC = Vocabulary::DC_NS;
    rulesGraph.addTriple(R, headerTerm(Vocabulary::OWL_NS, "versionIRI"), R);
    writeCreators(rulesGraph, settings);
    rulesGraph.setDescription("Class expressions derived from WHERE RULES in EXPRESS schema file");
    declareDcAnnotationProperty(rulesGraph, "language");
    annotate(rulesGraph, R, DC, "language", "en");
    declareDcAnnotationProperty(rulesGraph, "format");
    declareDcAnnotationProperty(rulesGraph, "identifier");
    declareDcAnnotationProperty(rulesGraph, "title");
    annotate(rulesGraph, R, DC, "title", pathStem(rulesUri));
    declareDcAnnotationProperty(rulesGraph, "date");
    writeLicence(rulesGraph, R, licenceOf(settings));
    annotate(rulesGraph, R, DC, "date", headerDate(settings));
    rulesGraph.addComment("Ontology automatically generated from WHERE RULES in EXPRESS schema " +
                          pathFileName(schema.schemaFile) + " using Sartell converter " + sartellVersion +
                          " developed by " + OntologyIris::authorCredit);
}
