#include "owlgen/express_ontology.h"

#include "owlgen/ontology_header.h"
#include "owlgen/ontology_iris.h"
#include "rdf/vocabulary.h"

using Redland::Node;

namespace {

Node term(const char* ns, const char* name) { return Node(std::string(ns) + name); }

void annotationProperty(RdfCpp::Graph& graph, const char* name) {
    graph.addTriple(term(Vocabulary::DC_NS, name), Vocabulary::rdf_type,
                    term(Vocabulary::OWL_NS, "AnnotationProperty"));
}

void annotate(RdfCpp::Graph& graph, const Node& subject, const char* ns, const char* name, const std::string& value) {
    graph.addTriple(subject, term(ns, name), Node::literal(value));
}

Node maxCardinalityZero(RdfCpp::Graph& graph, const Node& property) {
    Node restriction = Node::blank();
    graph.addTriple(restriction, Vocabulary::rdf_type, Vocabulary::owl_Restriction);
    graph.addTriple(restriction, Vocabulary::owl_onProperty, property);
    graph.addTriple(restriction, term(Vocabulary::OWL_NS, "maxCardinality"),
                    Node::typedLiteral("0", std::string(Vocabulary::XSD_NS) + "nonNegativeInteger"));
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
    annotationProperty(graph, "title");
    annotate(graph, ontology, Vocabulary::DC_NS, "title", "LIST");
    annotate(graph, ontology, Vocabulary::VANN_NS, "preferredNamespacePrefix", "list");
    annotate(graph, ontology, Vocabulary::VANN_NS, "preferredNamespaceUri", ns);
    annotate(graph, ontology, Vocabulary::CC_NS, "license", OntologyIris::licenceIri);

    graph.addTriple(list, Vocabulary::rdf_type, Vocabulary::owl_Class);
    graph.addTriple(empty, Vocabulary::rdf_type, Vocabulary::owl_Class);
    graph.addTriple(empty, Vocabulary::rdfs_subClassOf, list);
    graph.addTriple(empty, Vocabulary::rdfs_subClassOf, maxCardinalityZero(graph, hasContents));
    graph.addTriple(empty, Vocabulary::rdfs_subClassOf, maxCardinalityZero(graph, hasNext));

    graph.addTriple(isFollowedBy, Vocabulary::rdf_type, Vocabulary::owl_ObjectProperty);
    graph.addTriple(isFollowedBy, Vocabulary::rdf_type, Vocabulary::owl_TransitiveProperty);
    graph.addTriple(isFollowedBy, Vocabulary::rdfs_domain, list);
    graph.addTriple(isFollowedBy, Vocabulary::rdfs_range, list);
    graph.addTriple(isFollowedBy, Vocabulary::rdfs_label, Node::literal("isFollowedBy"));

    graph.addTriple(hasNext, Vocabulary::rdf_type, Vocabulary::owl_ObjectProperty);
    graph.addTriple(hasNext, Vocabulary::rdf_type, Vocabulary::owl_FunctionalProperty);
    graph.addTriple(hasNext, Vocabulary::rdfs_subPropertyOf, isFollowedBy);
    graph.addTriple(hasNext, Vocabulary::rdfs_domain, list);
    graph.addTriple(hasNext, Vocabulary::rdfs_range, list);
    graph.addTriple(hasNext, Vocabulary::rdfs_label, Node::literal("hasNext"));

    graph.addTriple(hasContents, Vocabulary::rdf_type, Vocabulary::owl_ObjectProperty);
    graph.addTriple(hasContents, Vocabulary::rdf_type, Vocabulary::owl_FunctionalProperty);
    graph.addTriple(hasContents, Vocabulary::rdfs_domain, list);
    graph.addTriple(hasContents, Vocabulary::rdfs_label, Node::literal("hasContents"));
}

}  // namespace

bool repositoryHolds(RdfCpp::Connector& connector, const std::string& ontologyUri) {
    return connector.loadGraph(ontologyUri) != nullptr;
}

bool ensureListVocabulary(RdfCpp::Connector& connector) {
    if (repositoryHolds(connector, OntologyIris::listVocabularyIri)) return true;
    std::unique_ptr<RdfCpp::Graph> graph = connector.createGraph(OntologyIris::listVocabularyIri);
    if (!graph || !graph->setOntology(OntologyIris::listVocabularyIri)) return false;
    writeListVocabulary(*graph);
    std::map<std::string, std::string> prefixes = {
        {Vocabulary::RDF_NS, "rdf"},   {Vocabulary::RDFS_NS, "rdfs"}, {Vocabulary::OWL_NS, "owl"},
        {Vocabulary::XSD_NS, "xsd"},   {Vocabulary::DC_NS, "dce"},    {Vocabulary::VANN_NS, "vann"},
        {Vocabulary::CC_NS, "cc"},     {OntologyIris::listVocabularyIri + "#", "list"}};
    return connector._save(graph.get(), {}, prefixes);
}

void writeExpressOntology(RdfCpp::GraphManager& manager, RdfCpp::Connector& connector) {
    using namespace OntologyIris;
    RdfCpp::Graph* graph = manager.createRootGraph(expressVocabularyIri, &connector);
    if (!graph) return;
    const Node O(expressVocabularyIri);
    manager.importGraph(listVocabularyIri, graph, &connector, {});

    graph->addCreator(reviserCredit);
    graph->addCreator(authorCredit);
    graph->setDescription("OWL ontology for EXPRESS concepts");
    annotationProperty(*graph, "language");
    annotate(*graph, O, Vocabulary::DC_NS, "language", "en");
    annotationProperty(*graph, "identifier");
    annotationProperty(*graph, "title");
    annotate(*graph, O, Vocabulary::DC_NS, "title", "EXPRESS");
    annotationProperty(*graph, "date");
    annotate(*graph, O, Vocabulary::VANN_NS, "preferredNamespacePrefix", "expr");
    annotate(*graph, O, Vocabulary::VANN_NS, "preferredNamespaceUri", expressPreferredNamespaceUri);
    annotate(*graph, O, Vocabulary::CC_NS, "license", licenceIri);
    annotate(*graph, O, Vocabulary::DC_NS, "date", headerDate);
    graph->addComment("Ontology automatically generated using Sartell converter developed by " + authorCredit +
                      " with revision support from " + reviserCredit);

    manager.setPrefix(graph->getNamespace(), "expr");
    registerStandardPrefixes(manager, false);
    manager.save(nullptr);
}
