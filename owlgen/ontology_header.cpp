#include "owlgen/ontology_header.h"

#include <boost/filesystem/path.hpp>

#include "owlgen/header_annotations.h"
#include "owlgen/ontology_iris.h"
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

void writeSchemaOntologyHeader(RdfCpp::Graph& schemaGraph, RdfCpp::GraphManager& manager, const ExpressSchema& schema,
                               const ConversionSettings& settings) {
    using namespace OntologyIris;
    const Node S(settings.ontologyUri);
    schemaGraph.addTriple(S, Vocabulary::owl_versionIRI, Node(settings.ontologyVersionUri));
    schemaGraph.addCreator(authorCredit);
    if (isIfcOntologyUri(settings.ontologyUri)) {
        schemaGraph.addCreator(reviserCredit);
        schemaGraph.setDescription(
            "OWL ontology for the IFC conceptual data schema and exchange file format for Building Information "
            "Model (BIM) data");
        for (const std::string& credit : contributorCredits)
            annotate(schemaGraph, S, Vocabulary::dc_contributor, credit);
    }
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_language);
    annotate(schemaGraph, S, Vocabulary::dc_language, "en");
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_identifier);
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_title);
    annotate(schemaGraph, S, Vocabulary::dc_title, pathStem(schema.schemaFile));
    declareAnnotationProperty(schemaGraph, Vocabulary::dc_date);
    annotate(schemaGraph, S, Vocabulary::vann_preferredNamespacePrefix, "ifc");
    annotate(schemaGraph, S, Vocabulary::vann_preferredNamespaceUri, settings.ontologyUri);
    annotate(schemaGraph, S, Vocabulary::cc_license, licenceIri);
    annotate(schemaGraph, S, Vocabulary::dc_date, headerDate);
    schemaGraph.addComment("Ontology automatically generated from EXPRESS schema '" + pathFileName(schema.schemaFile) +
                           "' using Sartell converter developed by " + authorCredit + " with revision support from " +
                           reviserCredit);

    const bool published = settings.ontologyUri.find(ifcOntologyBaseIri) != std::string::npos;
    manager.setPrefix(schemaGraph.getNamespace(), published ? "ifc" : pathStem(settings.ontologyUri));
    registerStandardPrefixes(manager, true);
}

void writeRulesOntologyHeader(RdfCpp::Graph& rulesGraph, const std::string& rulesUri, const ExpressSchema& schema) {
    using namespace OntologyIris;
    const Node R(rulesUri);
    rulesGraph.addTriple(R, Vocabulary::owl_versionIRI, R);
    rulesGraph.addCreator(authorCredit);
    rulesGraph.setDescription("Class expressions derived from WHERE RULES in EXPRESS schema file");
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_language);
    annotate(rulesGraph, R, Vocabulary::dc_language, "en");
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_format);
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_identifier);
    declareAnnotationProperty(rulesGraph, Vocabulary::dc_title);
    annotate(rulesGraph, R, Vocabulary::dc_title, pathStem(rulesUri));
    annotate(rulesGraph, R, Vocabulary::cc_license, licenceIri);
    annotate(rulesGraph, R, Vocabulary::dc_date, headerDate);
    rulesGraph.addComment(
        "Ontology automatically generated from WHERE RULES in EXPRESS schema " + pathFileName(schema.schemaFile) +
        " using Quorin converter developed by " + authorCredit +
        "\nMore details about the conversion pattern can be found in the article: " + rulesArticleReference);
}
