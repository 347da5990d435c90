#include "owlgen/ontology_header.h"

#include <boost/filesystem/path.hpp>

#include "owlgen/header_annotations.h"
#include "owlgen/ontology_iris.h"
#include "owlgen/sartell_version.h"
#include "rdf/clock.h"
#include "rdf/namespace_prefix.h"
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
    return published ? "ifc" : RdfCpp::prefixForIri(ontologyUri);
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
    schemaGraph.addTriple(S, Vocabulary::owl_versionIRI, Node(settings.ontologyVersionUri));
    writeCreators(schemaGraph, settings);
    if (isIfcOntologyUri(settings.ontologyUri))
        schemaGraph.setDescription(
            "OWL ontology for the IFC conceptual data schema and exchange file format for Building Information "
            "Model (BIM) data");
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_language);
    annotate(schemaGraph, S, Vocabulary::dc_language, "en");
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_identifier);
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_title);
    annotate(schemaGraph, S, Vocabulary::dc_title,
             settings.title.empty() ? pathStem(schema.schemaFile) : settings.title);
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_date);
    // A prefix the user chose is the one to prefer.
    writePreferredNamespace(schemaGraph, S, settings.prefix.empty() ? "ifc" : settings.prefix, settings.ontologyUri);
    writeLicence(schemaGraph, S, licenceOf(settings));
    annotate(schemaGraph, S, Vocabulary::dc_date, headerDate(settings));
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
    rulesGraph.addTriple(R, Vocabulary::owl_versionIRI, R);
    writeCreators(rulesGraph, settings);
    rulesGraph.setDescription("Class expressions derived from WHERE RULES in EXPRESS schema file");
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_language);
    annotate(rulesGraph, R, Vocabulary::dc_language, "en");
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_format);
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_identifier);
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_title);
    annotate(rulesGraph, R, Vocabulary::dc_title, pathStem(rulesUri));
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_date);
    writeLicence(rulesGraph, R, licenceOf(settings));
    annotate(rulesGraph, R, Vocabulary::dc_date, headerDate(settings));
    rulesGraph.addComment("Ontology automatically generated from WHERE RULES in EXPRESS schema " +
                          pathFileName(schema.schemaFile) + " using Sartell converter " + sartellVersion +
                          " developed by " + OntologyIris::authorCredit);
}
