// The whole-graph Turtle writer: the published layout, and every shape of blank nodes and lists read back
// by raptor as the statements that went in.
#include "rdf/graph_turtle_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "parsed_triples.h"

using parsedtriples::Triple;
using RdfCpp::Term;

namespace {

const std::string EX = "http://ex.org/o#";
const std::string RDF = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
const std::string RDFS = "http://www.w3.org/2000/01/rdf-schema#";
const std::string OWL = "http://www.w3.org/2002/07/owl#";
const std::string XSD = "http://www.w3.org/2001/XMLSchema#";

Term ex(const std::string& name) { return Term::iri(EX + name); }
Term rdf(const std::string& name) { return Term::iri(RDF + name); }
Term owl(const std::string& name) { return Term::iri(OWL + name); }
Term b(const std::string& label) { return Term::blank(label); }

std::string write(const std::vector<Triple>& triples, bool& ok) {
    std::ostringstream out;
    RdfCpp::GraphTurtleWriter writer(out);
    writer.prefix("rdf", RDF);
    writer.prefix("rdfs", RDFS);
    writer.prefix("owl", OWL);
    writer.prefix("xsd", XSD);
    writer.prefix("dc", "http://purl.org/dc/elements/1.1/");  // never used: no @prefix line
    writer.prefix("ex", EX);
    ok = true;
    for (const Triple& t : triples) ok = writer.triple(t.s, t.p, t.o) && ok;
    ok = writer.finish() && ok;
    return out.str();
}

TEST(GraphTurtleWriter, LaysOutAnOntologyAsPublished) {
    const Term onto = Term::iri("http://ex.org/o");
    bool ok = false;
    const std::string text = write(
        {
            {ex("z"), rdf("type"), owl("NamedIndividual")},
            {ex("hasPart"), rdf("type"), owl("ObjectProperty")},
            {ex("Wall"), Term::iri(RDFS + "subClassOf"), b("r1")},
            {b("r1"), rdf("type"), owl("Restriction")},
            {b("r1"), owl("onProperty"), ex("hasPart")},
            {b("r1"), owl("maxQualifiedCardinality"), Term::literal("1", XSD + "nonNegativeInteger")},
            {ex("Wall"), rdf("type"), owl("Class")},
            {ex("Wall"), Term::iri(RDFS + "subClassOf"), ex("Element")},
            {ex("Element"), owl("unionOf"), b("l1")},
            {b("l1"), rdf("first"), ex("Wall")},
            {b("l1"), rdf("rest"), b("l2")},
            {b("l2"), rdf("first"), ex("Slab")},
            {b("l2"), rdf("rest"), rdf("nil")},
            {ex("Element"), rdf("type"), owl("Class")},
            {onto, Term::iri(RDFS + "label"), Term::literal("The \"o\"", "", "en")},
            {onto, rdf("type"), owl("Ontology")},
            {b("d"), rdf("type"), owl("AllDisjointClasses")},
        },
        ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(text,  // rdf: is bound but not used: "a" and ( ... ) stand for its terms
              "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
              "@prefix owl: <http://www.w3.org/2002/07/owl#> .\n"
              "@prefix xsd: <http://www.w3.org/2001/XMLSchema#> .\n"
              "@prefix ex: <http://ex.org/o#> .\n"
              "\n"
              "<http://ex.org/o> a owl:Ontology ;\n"
              "    rdfs:label \"The \\\"o\\\"\"@en .\n"
              "\n"
              "ex:Element a owl:Class ;\n"
              "    owl:unionOf ( ex:Wall ex:Slab ) .\n"
              "\n"
              "ex:Wall a owl:Class ;\n"
              "    rdfs:subClassOf [ a owl:Restriction ;\n"
              "            owl:maxQualifiedCardinality \"1\"^^xsd:nonNegativeInteger ;\n"
              "            owl:onProperty ex:hasPart\n"
              "        ] ,\n"
              "        ex:Element .\n"
              "\n"
              "ex:hasPart a owl:ObjectProperty .\n"
              "\n"
              "ex:z a owl:NamedIndividual .\n"
              "\n"
              "[] a owl:AllDisjointClasses .\n");
}

struct ShapeCase {
    const char* name;
    std::vector<Triple> triples;
};

TEST(GraphTurtleWriter, RaptorReadsBackEveryShape) {
    const Term p = ex("p"), first = rdf("first"), rest = rdf("rest"), nil = rdf("nil");
    const ShapeCase cases[] = {
        {"nested list of blank items",
         {{ex("A"), p, b("l1")},
          {b("l1"), first, b("i1")},
          {b("i1"), p, Term::literal("x")},
          {b("l1"), rest, b("l2")},
          {b("l2"), first, b("l3")},
          {b("l3"), first, ex("B")},
          {b("l3"), rest, nil},
          {b("l2"), rest, nil}}},
        {"list cell with an extra statement",
         {{ex("A"), p, b("l1")}, {b("l1"), first, ex("B")}, {b("l1"), rest, nil}, {b("l1"), p, ex("C")}}},
        {"list tail shared by two lists",
         {{ex("A"), p, b("l1")},
          {ex("B"), p, b("l2")},
          {b("l1"), first, ex("X")},
          {b("l1"), rest, b("t")},
          {b("l2"), first, ex("Y")},
          {b("l2"), rest, b("t")},
          {b("t"), first, ex("Z")},
          {b("t"), rest, nil}}},
        {"list that loops", {{ex("A"), p, b("l1")}, {b("l1"), first, ex("B")}, {b("l1"), rest, b("l1")}}},
        {"blank used twice", {{ex("A"), p, b("s")}, {ex("B"), p, b("s")}, {b("s"), p, ex("C")}}},
        {"blank cycle", {{b("c1"), p, b("c2")}, {b("c2"), p, b("c1")}}},
        {"blank object without statements", {{ex("A"), p, b("e")}, {ex("A"), p, b("f")}}},
        {"unreferenced blanks", {{b("u1"), p, ex("A")}, {b("u2"), p, b("u3")}, {b("u3"), p, ex("B")}}},
        {"names that need full IRIs",
         {{Term::iri(EX + "a/b"), Term::iri(EX + "end."), Term::iri("http://other.example/x")},
          {ex("A"), rdf("type"), Term::iri(EX + "(c)")}}},
    };
    for (const ShapeCase& c : cases) {
        bool ok = false;
        const std::string text = write(c.triples, ok);
        EXPECT_TRUE(ok) << c.name;
        const parsedtriples::ParseResult parsed = parsedtriples::parse(text, "turtle");
        EXPECT_EQ(parsed.errors, 0) << c.name << "\n" << text;
        EXPECT_EQ(parsedtriples::canonicalLines(parsed.triples), parsedtriples::canonicalLines(c.triples))
            << c.name << "\n"
            << text;
    }
}

TEST(GraphTurtleWriter, RefusesStatementsRdfCannotHold) {
    for (const Triple& t : {Triple{Term::literal("x"), ex("p"), ex("o")}, Triple{ex("s"), b("p"), ex("o")},
                            Triple{ex("s"), ex("p"), Term::literal("x", "", "e n")}}) {
        bool ok = true;
        write({{ex("s"), ex("p"), ex("o")}, t}, ok);
        EXPECT_FALSE(ok);
    }
}

}  // namespace
