#include "owlgen/ontology_header.h"

#include <boost/filesystem/path.hpp>

#include "owlgen/header_annotations.h"
#include "owlgen/ontology_iris.h"
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

void writeSchemaOntologyHeader(RdfCpp::Graph& schemaGraph, RdfCpp::GraphManager& manager, const ExpressSchema& schema,
                               const ConversionSettings& settings) {
    using namespace OntologyIris;
    const Node S(settings.ontologyUri);
    const char* DC = Vocabulary::DC_NS;
    schemaGraph.addTriple(S, headerTerm(Vocabulary::OWL_NS, "versionIRI"), Node(settings.ontologyVersionUri));
    schemaGraph.addCreator(authorCredit);
    if (isIfcOntologyUri(settings.ontologyUri)) {
        schemaGraph.addCreator(reviserCredit);
        schemaGraph.setDescription(
            "OWL ontology for the IFC conceptual data schema and exchange file format for Building Information "
            "Model (BIM) data");
        for (const std::string& credit : contributorCredits) annotate(schemaGraph, S, DC, "contributor", credit);
    }
    declareDcAnnotationProperty(schemaGraph, "language");
    annotate(schemaGraph, S, DC, "language", "en");
    declareDcAnnotationProperty(schemaGraph, "identifier");
    declareDcAnnotationProperty(schemaGraph, "title");
    annotate(schemaGraph, S, DC, "title", pathStem(schema.schemaFile));
    declareDcAnnotationProperty(schemaGraph, "date");
    annotate(schemaGraph, S, Vocabulary::VANN_NS, "preferredNamespacePrefix", "ifc");
    annotate(schemaGraph, S, Vocabulary::VANN_NS, "preferredNamespaceUri", settings.ontologyUri);
    annotate(schemaGraph, S, Vocabulary::CC_NS, "license", licenceIri);
    annotate(schemaGraph, S, DC, "date", headerDate);
    schemaGraph.addComment("Ontology automatically generated from EXPRESS schema '" + pathFileName(schema.schemaFile) +
                           "' using Sartell converter developed by " + authorCredit + " with revision support from " +
                           reviserCredit);

    const bool published = settings.ontologyUri.find(ifcOntologyBaseIri) != std::string::npos;
    manager.setPrefix(schemaGraph.getNamespace(), published ? "ifc" : RdfCpp::prefixForIri(settings.ontologyUri));
    registerStandardPrefixes(manager, true);
}

void writeRulesOntologyHeader(RdfCpp::Graph& rulesGraph, const std::string& rulesUri, const ExpressSchema& schema) {
    using namespace OntologyIris;
    const Node R(rulesUri);
    const char* DC = Vocabulary::DC_NS;
    rulesGraph.addTriple(R, headerTerm(Vocabulary::OWL_NS, "versionIRI"), R);
    rulesGraph.addCreator(authorCredit);
    rulesGraph.setDescription("Class expressions derived from WHERE RULES in EXPRESS schema file");
    declareDcAnnotationProperty(rulesGraph, "language");
    annotate(rulesGraph, R, DC, "language", "en");
    declareDcAnnotationProperty(rulesGraph, "format");
    declareDcAnnotationProperty(rulesGraph, "identifier");
    declareDcAnnotationProperty(rulesGraph, "title");
    annotate(rulesGraph, R, DC, "title", pathStem(rulesUri));
    annotate(rulesGraph, R, Vocabulary::CC_NS, "license", licenceIri);
    annotate(rulesGraph, R, DC, "date", headerDate);
    rulesGraph.addComment(
        "Ontology automatically generated from WHERE RULES in EXPRESS schema " + pathFileName(schema.schemaFile) +
        " using Quorin converter developed by " + authorCredit +
        "\nMore details about the conversion pattern can be found in the article: " + rulesArticleReference);
}
