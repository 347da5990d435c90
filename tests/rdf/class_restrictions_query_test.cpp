#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "rdf/connector_local.h"
#include "rdf/manager.h"
#include "rdf/ontology_class.h"
#include "rdf/ontology_property.h"
#include "rdf/restrictions.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

namespace V = Vocabulary;
using Redland::Node;

namespace {

const char* const xsdInteger = "http://www.w3.org/2001/XMLSchema#integer";

// A manager over a repository of its own, with one root graph.
struct Project {
    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    RdfCpp::Graph* graph = nullptr;

    Project() { graph = manager.createRootGraph("http://example.org/test", &connector); }

    Node named(const std::string& name) const { return Node(graph->getUri() + "#" + name); }

    Node objectProperty(const std::string& name, RdfCpp::Graph* in = nullptr) {
        Node property = named(name);
        (in ? in : graph)->addTriple(property, V::rdf_type, V::owl_ObjectProperty);
        (in ? in : graph)->addTriple(property, V::rdfs_label, Node::literal(name));
        return property;
    }

    Node dataProperty(const std::string& name) {
        Node property = named(name);
        graph->addTriple(property, V::rdf_type, V::owl_DatatypeProperty);
        return property;
    }

    RdfCpp::Graph* addGraph(const std::string& uri) {
        RdfCpp::Graph* created = manager._createGraph(uri, &connector);
        return created ? manager._add_model(created->getUri(), &connector, created) : nullptr;
    }
};

// One step to write: kind, property, fillers, cardinality, facets.
struct StepShape {
    Node kind;
    Node property;
    std::vector<Node> fillers;
    int cardinality = -1;
    DataRangeFacets facets = DataRangeFacets();
};

// Writes the chain through ClassRestrictions, as the generation phases do.
void writeChain(Project& project, const Node& cls, const std::vector<StepShape>& shapes,
                RdfCpp::Graph* graph = nullptr) {
    std::vector<std::unique_ptr<Restriction>> steps;
    ClassRestrictions chain(cls);
    for (const StepShape& shape : shapes) {
        steps.push_back(std::make_unique<Restriction>(shape.kind, project.manager.getOntologyProperty(shape.property),
                                                      Node(), shape.cardinality, shape.facets));
        for (const Node& filler : shape.fillers) steps.back()->addFiller(filler);
        chain.restrictions.push_back(steps.back().get());
    }
    ASSERT_TRUE(chain.write(graph ? graph : project.graph));
}

std::vector<ClassRestrictions*> allChains(Project& project, const Node& cls) {
    return project.manager.getClassRestrictions(cls, 0, {});
}

void expectSameChain(Project& project, const ClassRestrictions& read, const Node& cls,
                     const std::vector<StepShape>& written) {
    EXPECT_EQ(read.cls, cls);
    ASSERT_EQ(read.restrictions.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const Restriction& step = *read.restrictions[i];
        const bool innermost = i + 1 == written.size();
        EXPECT_EQ(step.type, written[i].kind);
        EXPECT_EQ(step.property, project.manager.getOntologyProperty(written[i].property));
        EXPECT_EQ(step.cardinality, written[i].cardinality);
        EXPECT_EQ(step.fillers, innermost ? written[i].fillers : std::vector<Node>());
        EXPECT_TRUE(step.facets == written[i].facets);
    }
}

TEST(ClassRestrictionsQuery, ChainsReadBackEqualTheChainsWritten) {
    Project project;
    const Node p = project.objectProperty("p"), q = project.objectProperty("q");
    const Node size = project.dataProperty("size");
    const Node d = project.named("D"), e = project.named("E"), f = project.named("F");
    DataRangeFacets bounds;
    bounds.minValue = "0";
    bounds.maxValue = "10";
    bounds.maxInclusive = true;
    DataRangeFacets lengthOnly;
    lengthOnly.length = "3";

    struct Case {
        std::string name;
        std::vector<StepShape> steps;
    };
    const std::vector<Case> cases = {
        {"OneStepAll", {{V::owl_allValuesFrom, p, {d}}}},
        {"OneStepSome", {{V::owl_someValuesFrom, q, {e}}}},
        {"TwoSteps", {{V::owl_someValuesFrom, p, {}}, {V::owl_allValuesFrom, q, {d}}}},
        {"Union", {{V::owl_allValuesFrom, p, {f, d, e}}}},
        {"TwoStepsUnion", {{V::owl_allValuesFrom, p, {}}, {V::owl_allValuesFrom, q, {d, e}}}},
        {"QualifiedCardinality", {{V::owl_qualifiedCardinality, p, {d}, 2}}},
        {"ZeroCardinality", {{V::owl_maxQualifiedCardinality, q, {e}, 0}}},
        {"CardinalityOuterStep", {{V::owl_minQualifiedCardinality, p, {}, 1}, {V::owl_allValuesFrom, q, {d}}}},
        {"DatatypeBounds", {{V::owl_allValuesFrom, size, {Node(xsdInteger)}, -1, bounds}}},
        {"DatatypeLength", {{V::owl_someValuesFrom, size, {Node(xsdInteger)}, -1, lengthOnly}}},
    };
    for (const Case& c : cases) writeChain(project, project.named(c.name), c.steps);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ClassRestrictions*> read = allChains(project, project.named(c.name));
        ASSERT_EQ(read.size(), 1u);
        expectSameChain(project, *read[0], project.named(c.name), c.steps);
    }
}

TEST(ClassRestrictionsQuery, EnumeratedDataRangeGivesItsValues) {
    Project project;
    const Node style = project.dataProperty("style");
    DataRangeFacets values;
    values.oneOf = {Node::literal("normal"), Node::literal("italic")};
    const Node cls = project.named("Style");
    writeChain(project, cls, {{V::owl_allValuesFrom, style, {Node(xsdInteger)}, -1, values}});

    std::vector<ClassRestrictions*> read = allChains(project, cls);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(read[0]->restrictions.size(), 1u);
    EXPECT_EQ(read[0]->restrictions[0]->facets.oneOf, values.oneOf);
}

TEST(ClassRestrictionsQuery, KeepsChainsOfTheAskedLengthWhoseEveryStepIsOfAnAskedKind) {
    Project project;
    const Node p = project.objectProperty("p"), q = project.objectProperty("q");
    const Node cls = project.named("C"), d = project.named("D");
    writeChain(project, cls, {{V::owl_allValuesFrom, p, {d}}});
    writeChain(project, cls, {{V::owl_someValuesFrom, q, {d}}});
    writeChain(project, cls, {{V::owl_allValuesFrom, p, {}}, {V::owl_allValuesFrom, q, {d}}});
    writeChain(project, cls, {{V::owl_someValuesFrom, p, {}}, {V::owl_allValuesFrom, q, {d}}});
    writeChain(project, cls, {{V::owl_allValuesFrom, p, {}}, {V::owl_someValuesFrom, q, {d}}});
    RdfCpp::OntologyProperty* pDescription = project.manager.getOntologyProperty(p);
    RdfCpp::OntologyProperty* qDescription = project.manager.getOntologyProperty(q);

    std::vector<ClassRestrictions*> oneAll = project.manager.getClassRestrictions(cls, 1, {V::owl_allValuesFrom});
    ASSERT_EQ(oneAll.size(), 1u);
    EXPECT_EQ(oneAll[0]->getStepProperty(0), pDescription);
    EXPECT_EQ(oneAll[0]->getStepFiller(0), d);

    std::vector<ClassRestrictions*> twoAll = project.manager.getClassRestrictions(cls, 2, {V::owl_allValuesFrom});
    ASSERT_EQ(twoAll.size(), 1u);
    EXPECT_EQ(twoAll[0]->restrictions[0]->type, V::owl_allValuesFrom);
    EXPECT_EQ(twoAll[0]->getStepProperty(1), qDescription);

    EXPECT_EQ(project.manager.getClassRestrictions(cls, 2, {V::owl_allValuesFrom, V::owl_someValuesFrom}).size(), 3u);
    EXPECT_EQ(project.manager.getClassRestrictions(cls, 1, {}).size(), 2u);
    EXPECT_EQ(project.manager.getClassRestrictions(cls, 3, {}).size(), 0u);
    EXPECT_EQ(allChains(project, cls).size(), 5u);
    EXPECT_TRUE(project.manager.getClassRestrictions(Node(), 1, {V::owl_allValuesFrom}).empty());
}

TEST(ClassRestrictionsQuery, FindsTheChainsOfEveryAncestorInEveryGraph) {
    Project project;
    RdfCpp::Graph* other = project.addGraph("http://example.org/other");
    ASSERT_NE(other, nullptr);
    const Node p = project.objectProperty("p"), q = project.objectProperty("q", other);
    const Node r = project.objectProperty("r");
    const Node wall = project.named("Wall"), element = project.named("Element");
    const Node object = project.named("Object"), root = project.named("Root"), d = project.named("D");
    // Wall < Element < Object < Root, the last link stated in the other graph, and a cycle back to Wall.
    project.graph->addTriple(wall, V::rdfs_subClassOf, element);
    project.graph->addTriple(element, V::rdfs_subClassOf, object);
    other->addTriple(object, V::rdfs_subClassOf, root);
    project.graph->addTriple(root, V::rdfs_subClassOf, wall);
    writeChain(project, wall, {{V::owl_allValuesFrom, p, {d}}});
    writeChain(project, object, {{V::owl_allValuesFrom, q, {d}}}, other);
    writeChain(project, root, {{V::owl_allValuesFrom, r, {d}}});

    std::vector<ClassRestrictions*> chains = project.manager.getClassRestrictions(wall, 1, {V::owl_allValuesFrom});
    ASSERT_EQ(chains.size(), 3u);
    EXPECT_EQ(chains[0]->cls, wall);
    EXPECT_EQ(chains[1]->cls, object);
    EXPECT_EQ(chains[1]->getStepProperty(0)->label, "q");
    EXPECT_EQ(chains[2]->cls, root);

    RdfCpp::OntologyClass* description = project.manager.getOntologyClass(wall);
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->getSuperClasses(), std::vector<Node>{element});
    EXPECT_EQ(description->getAncestors(), (std::vector<Node>{element, object, root}));
    // Answers are kept: the same chains, not read again.
    EXPECT_EQ(project.manager.getClassRestrictions(wall, 1, {V::owl_allValuesFrom}), chains);
    // Through the cycle, Wall is an ancestor of Element as well.
    EXPECT_EQ(project.manager.getClassRestrictions(element, 1, {V::owl_allValuesFrom}).size(), 3u);
}

TEST(ClassRestrictionsQuery, DropsChainsThatCannotBeRead) {
    Project project;
    RdfCpp::Graph& g = *project.graph;
    const Node p = project.objectProperty("p");
    const Node cls = project.named("C"), d = project.named("D");

    const Node looping = Node::blank();  // its value is itself
    g.addTriple(looping, V::owl_onProperty, p);
    g.addTriple(looping, V::owl_allValuesFrom, looping);
    const Node unbound = Node::blank();  // no owl:onProperty
    g.addTriple(unbound, V::owl_allValuesFrom, d);
    const Node noKind = Node::blank();
    g.addTriple(noKind, V::owl_onProperty, p);
    const Node noRange = Node::blank();  // a cardinality without owl:onClass
    g.addTriple(noRange, V::owl_onProperty, p);
    g.addTriple(noRange, V::owl_qualifiedCardinality, Node::typedLiteral("1", xsdInteger));
    const Node listCycle = Node::blank(), cell = Node::blank();  // a union list that turns back on itself
    const Node unionValue = Node::blank();
    g.addTriple(listCycle, V::owl_onProperty, p);
    g.addTriple(listCycle, V::owl_allValuesFrom, unionValue);
    g.addTriple(unionValue, V::owl_unionOf, cell);
    g.addTriple(cell, V::rdf_first, d);
    g.addTriple(cell, V::rdf_rest, cell);
    for (const Node& start : {looping, unbound, noKind, noRange, listCycle})
        g.addTriple(cls, V::rdfs_subClassOf, start);

    std::vector<ClassRestrictions*> chains = allChains(project, cls);
    ASSERT_EQ(chains.size(), 1u);
    EXPECT_EQ(chains[0]->restrictions[0]->fillers, std::vector<Node>{d});
}

}  // namespace
