#include "owlgen/express_ontology.h"

#include <boost/filesystem/operations.hpp>

#include "owlgen/header_annotations.h"
#include "owlgen/list_pattern.h"
#include "owlgen/ontology_header.h"
#include "owlgen/ontology_iris.h"
#include "rdf/clock.h"
#include "rdf/connector_local.h"
#include "rdf/file_naming.h"
#include "rdf/graph_local.h"
#include "rdf/vocabulary.h"

using Redland::Node;

namespace {

Node maxCardinalityZero(RdfCpp::Graph& graph, const Node& property) {
    Node restriction = Node::blank();
    graph.addTriple(restriction, Vocabulary::rdf_type, Vocabulary::owl_Restriction);
    graph.addTriple(restriction, Vocabulary::owl_onProperty, property);
    graph.addTriple(restriction, Vocabulary::owl_maxCardinality,
                    Node::typedLiteral("0", Vocabulary::xsd_nonNegativeInteger.getUriString()));
    return restriction;
}

// The list vocabulary: cells of OWLList hold one member (hasContents) and point to the next cell (hasNext);
// the EmptyList cell ends a list.
void writeListVocabulary(RdfCpp::Graph& graph) {
    const std::string ns = OntologyIris::listVocabularyIri + "#";
    const Node ontology(OntologyIris::listVocabularyIri);
    const Node list(ns + "OWLList"), empty(ns + "EmptyList");
    const Node hasContents(ns + "hasContents"), hasNext(ns + "hasNext"), isFollowedBy(ns + "isFollowedBy");

    graph.addCreator(OntologyIris::authorCredit);
    graph.setDescription("OWL ontology for lists of EXPRESS aggregations");
    declareAnnotationProperty(graph, Vocabulary::dc_title);
    annotate(graph, ontology, Vocabulary::dc_title, "LIST");
    writePreferredNamespace(graph, ontology, "list", ns);
    writeLicence(graph, ontology, OntologyIris::defaultLicenceIri);

    declareListTerms(graph, list, isFollowedBy, hasNext, hasContents);
    graph.addTriple(empty, Vocabulary::rdf_type, Vocabulary::owl_Class);
    graph.addTriple(empty, Vocabulary::rdfs_subClassOf, list);
    graph.addTriple(empty, Vocabulary::rdfs_subClassOf, maxCardinalityZero(graph, hasContents));
    graph.addTriple(empty, Vocabulary::rdfs_subClassOf, maxCardinalityZero(graph, hasNext));
}

// The terms a vocabulary file must declare: what the schema ontologies refer to.
std::vector<std::string> requiredTerms(const std::string& ontologyIri) {
    using namespace OntologyIris;
    if (ontologyIri == expressVocabularyIri) {
        const std::string ns = expressVocabularyIri + "#";
        return {ns + "ENUMERATION", ns + "SELECT", ns + "hasSet"};
    }
    if (ontologyIri == listVocabularyIri) {
        const std::string ns = listVocabularyIri + "#";
        return {ns + "OWLList", ns + "EmptyList", ns + "hasContents", ns + "hasNext"};
    }
    return {};
}

}  // namespace

std::string vocabularyFault(RdfCpp::Connector& connector, const std::string& ontologyIri) {
    auto* local = dynamic_cast<RdfCpp::ConnectorLocal*>(&connector);
    if (!local) return std::string();
    const std::string name = RdfCpp::uriFileStem(ontologyIri) + ".owl";
    const std::string file = (boost::filesystem::path(local->getRepositoryFolder()) / name).string();
    boost::system::error_code ec;
    if (!boost::filesystem::exists(file, ec)) return std::string();
    if (!boost::filesystem::is_regular_file(file, ec)) return file + " is not a file";
    if (boost::filesystem::file_size(file, ec) == 0) return file + " is empty";
    RdfCpp::GraphLocal graph(name, local, false);
    if (!graph.isValid()) return file + " is not readable RDF";
    if (graph.getUri() != ontologyIri) return file + " does not hold the ontology " + ontologyIri;
    for (const std::string& term : requiredTerms(ontologyIri)) {
        std::vector<Node> types;
        graph.get_targets(Node(term), Vocabulary::rdf_type, types);
        if (types.empty()) return file + " lacks " + term;
    }
    if (ontologyIri == OntologyIris::expressVocabularyIri && !graph.getImports().count(OntologyIris::listVocabularyIri))
        return file + " does not import " + OntologyIris::listVocabularyIri;
    return std::string();
}

bool repositoryHolds(RdfCpp::Connector& connector, const std::string& ontologyUri) {
    return connector.loadGraph(ontologyUri) != nullptr;
}

bool ensureListVocabulary(RdfCpp::Connector& connector, RdfCpp::GraphManager& manager, bool rebuild) {
    if (!rebuild && repositoryHolds(connector, OntologyIris::listVocabularyIri)) return true;
    std::unique_ptr<RdfCpp::Graph> graph = connector.createGraph(OntologyIris::listVocabularyIri);
    if (!graph || !graph->setOntology(OntologyIris::listVocabularyIri)) return false;
    writeListVocabulary(*graph);
    std::map<std::string, std::string> prefixes = {
        {Vocabulary::RDF_NS, "rdf"}, {Vocabulary::RDFS_NS, "rdfs"},
        {Vocabulary::OWL_NS, "owl"}, {Vocabulary::XSD_NS, "xsd"},
        {Vocabulary::DC_NS, "dce"},  {Vocabulary::VANN_NS, "vann"},
        {Vocabulary::CC_NS, "cc"},   {OntologyIris::listVocabularyIri + "#", "list"}};
    if (!connector._save(graph.get(), {}, prefixes)) return false;
    manager.keepSaved(std::move(graph));
    return true;
}

bool writeExpressOntology(RdfCpp::GraphManager& manager, RdfCpp::Connector& connector) {
    using namespace OntologyIris;
    RdfCpp::Graph* graph = manager.createRootGraph(expressVocabularyIri, &connector);
    if (!graph) return false;
    const Node O(expressVocabularyIri);
    manager.importGraph(listVocabularyIri, graph, &connector, {});

    graph->addCreator(reviserCredit);
    graph->addCreator(authorCredit);
    graph->setDescription("OWL ontology for EXPRESS concepts");
    declareAnnotationProperty(*graph, Vocabulary::dc_language);
    annotate(*graph, O, Vocabulary::dc_language, "en");
    declareAnnotationProperty(*graph, Vocabulary::dc_identifier);
    declareAnnotationProperty(*graph, Vocabulary::dc_title);
    annotate(*graph, O, Vocabulary::dc_title, "EXPRESS");
    declareAnnotationProperty(*graph, Vocabulary::dc_date);
    writePreferredNamespace(*graph, O, "expr", expressPreferredNamespaceUri);
    writeLicence(*graph, O, defaultLicenceIri);
    annotate(*graph, O, Vocabulary::dc_date, RdfCpp::runDate());
    graph->addComment("Ontology automatically generated using Sartell converter developed by " + authorCredit +
                      " with revision support from " + reviserCredit);

    manager.setPrefix(graph->getNamespace(), "expr");
    registerStandardPrefixes(manager, false);
    return manager.save(nullptr);
}
