#include "instances/instance_converter.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "collecting_sink.h"
#include "express/parser.h"
#include "test_support.h"

namespace {

const std::string ontologyIri = "https://example.org/MINI";

struct Converted {
    CollectingSink sink;
    std::ostringstream messages;
    Instances::InstanceConversionResult result;
    std::vector<std::string> messageLines() const {
        std::vector<std::string> lines;
        std::istringstream in(messages.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

const ExpressSchema& miniSchema() {
    static ExpressSchema schema;
    if (schema.entities.empty()) {
        std::ostringstream quiet;
        std::streambuf* saved = std::cout.rdbuf(quiet.rdbuf());
        parseExpressSchema(schema, testsupport::fixturePath("ifc/mini_schema.exp"));
        std::cout.rdbuf(saved);
    }
    return schema;
}

void convert(Converted& c, const std::string& model, const std::string& schemaName = "MINI") {
    Instances::InstanceConversionSettings settings;
    settings.modelPath = model;
    settings.schemaOntologyIri = ontologyIri;
    settings.base = "https://example.org/data/mini#";
    settings.expectedSchemaName = schemaName;
    // The prefixes the expectations are written with.
    c.sink.prefixes["ifc"] = ontologyIri + "#";
    c.result = Instances::convertInstances(miniSchema(), settings, c.sink, c.messages);
}

class MiniModel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        model = new Converted;
        convert(*model, testsupport::fixturePath("ifc/mini.ifc"));
    }
    static void TearDownTestSuite() { delete model; }
    static Converted* model;
    const CollectingSink& sink() const { return model->sink; }
    // The one object of subject and predicate.
    std::string object(const std::string& s, const std::string& p) const {
        auto found = sink().objects(s, p);
        EXPECT_EQ(found.size(), 1u) << s << " " << p;
        return found.empty() ? std::string() : found[0];
    }
    // The literal a wrapper node carries, after checking the node's class.
    std::string wrapped(const std::string& node, const std::string& cls, const std::string& property) const {
        EXPECT_TRUE(sink().has(node + " rdf:type " + cls)) << node << " is no " << cls;
        return object(node, property);
    }
    // The contents of a chain of cells of class cls.
    std::vector<std::string> chain(std::string cell, const std::string& cls) const {
        std::vector<std::string> contents;
        while (!cell.empty() && contents.size() < 100) {
            EXPECT_TRUE(sink().has(cell + " rdf:type " + cls)) << cell;
            contents.push_back(object(cell, "list:hasContents"));
            auto next = sink().objects(cell, "list:hasNext");
            cell = next.empty() ? std::string() : next[0];
        }
        return contents;
    }
};
Converted* MiniModel::model = nullptr;

TEST_F(MiniModel, ConvertsWithoutMessages) {
    EXPECT_TRUE(model->result.readable);
    EXPECT_TRUE(model->result.written);
    EXPECT_EQ(model->result.messages, 0u) << model->messages.str();
    EXPECT_EQ(model->result.instances, 7u);
    EXPECT_TRUE(sink().finished);
}

TEST_F(MiniModel, StartsWithTheDataOntologyAndTheHeaderAsAnnotations) {
    ASSERT_GE(sink().lines.size(), 2u);
    EXPECT_EQ(sink().lines[0], "<https://example.org/data/mini> rdf:type owl:Ontology");
    EXPECT_EQ(sink().lines[1], "<https://example.org/data/mini> owl:imports <https://example.org/MINI>");
    const std::string o = "<https://example.org/data/mini>";
    EXPECT_TRUE(sink().has(o + " dce:title \"mini.ifc\""));
    EXPECT_TRUE(sink().has(o + " dce:description \"A small model\""));
    EXPECT_TRUE(sink().has(o + " dce:description \"of the MINI schema\""));
    EXPECT_TRUE(sink().has(o + " dce:date \"2024-05-06T07:08:09\""));
    EXPECT_TRUE(sink().has(o + " dce:creator \"Ann Author\""));
    EXPECT_TRUE(sink().has(o + " dce:creator \"Org \xC3\x84\""));
    EXPECT_TRUE(sink().has(o + " dce:source \"Mini Exporter 1.0\""));
    EXPECT_TRUE(sink().has("dce:creator rdf:type owl:AnnotationProperty"));
}

TEST_F(MiniModel, NamesInstancesInTheSchemasSpellingAndTypesThem) {
    EXPECT_TRUE(sink().has("inst:MiWall_1 rdf:type ifc:MiWall"));
    EXPECT_TRUE(sink().has("inst:MiPoint_2 rdf:type ifc:MiPoint"));
    // References point at the instance's IRI; an inherited attribute takes its declaring entity's property.
    EXPECT_EQ(object("inst:MiThing_4", "ifc:place_MiThing"), "inst:MiWall_1");
    EXPECT_EQ(object("inst:MiRelation_5", "ifc:relating_MiRelation"), "inst:MiThing_3");
}

TEST_F(MiniModel, WrapsDefinedAndSimpleValuesInNodesWithTypedLiterals) {
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:name_MiRoot"), "ifc:MiLabel", "expr:hasString"),
              "\"It's a \xC3\xA9 wall\"^^xsd:string");
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:height_MiWall"), "ifc:MiPositiveLengthMeasure", "expr:hasDouble"),
              "\"3.0\"^^xsd:double");
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:switch_MiWall"), "ifc:MiSwitch", "expr:hasBoolean"),
              "\"true\"^^xsd:boolean");
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:bits_MiWall"), "ifc:MiBits", "expr:hasHexBinary"),
              "\"FF\"^^xsd:hexBinary");
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:count_MiWall"), "expr:INTEGER", "expr:hasInteger"),
              "\"7\"^^xsd:integer");
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:ratio_MiWall"), "expr:REAL", "expr:hasDouble"),
              "\"1.0E-3\"^^xsd:double");
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:flag_MiThing"), "ifc:MiFlag", "expr:hasLogical"), "expr:UNKNOWN");
    EXPECT_EQ(wrapped(object("inst:MiThing_3", "ifc:flag_MiThing"), "ifc:MiFlag", "expr:hasLogical"), "expr:FALSE");
}

TEST_F(MiniModel, NumbersValueNodesAfterTheLargestInstanceNumber) {
    const std::string node = object("inst:MiWall_1", "ifc:name_MiRoot");
    EXPECT_EQ(node, "inst:MiLabel_8");
    for (const std::string& line : sink().lines) {
        const auto at = line.find("inst:");
        if (at != 0) continue;
        const std::string subject = line.substr(0, line.find(' '));
        const long number = std::stol(subject.substr(subject.rfind('_') + 1));
        if (subject.rfind("inst:MiLabel_", 0) == 0 || subject.rfind("inst:MiPositive", 0) == 0) {
            EXPECT_GT(number, 7) << subject;
        }
    }
}

TEST_F(MiniModel, WritesEnumerationItemsAsTheOntologysIndividuals) {
    EXPECT_EQ(object("inst:MiWall_1", "ifc:kind_MiThing"), "ifc:SPECIAL");
    EXPECT_EQ(object("inst:MiThing_7", "ifc:kind_MiThing"), "ifc:NOTDEFINED");
}

TEST_F(MiniModel, TypesSelectValuesWithTheTypeTheyName) {
    EXPECT_EQ(wrapped(object("inst:MiWall_1", "ifc:value_MiThing"), "ifc:MiLengthMeasure", "expr:hasDouble"),
              "\"2.5\"^^xsd:double");
    // A member of a nested select.
    EXPECT_EQ(wrapped(object("inst:MiThing_7", "ifc:value_MiThing"), "ifc:MiCount", "expr:hasInteger"),
              "\"12\"^^xsd:integer");
    // A defined SET type: one node with a hasSet statement per member.
    const std::string set = object("inst:MiThing_4", "ifc:value_MiThing");
    EXPECT_TRUE(sink().has(set + " rdf:type ifc:MiLabelSet"));
    const auto members = sink().objects(set, "expr:hasSet");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(wrapped(members[1], "ifc:MiLabel", "expr:hasString"), "\"b\"^^xsd:string");
}

TEST_F(MiniModel, ChainsListsInCellsOfTheListClasses) {
    const auto coordinates = chain(object("inst:MiPoint_2", "ifc:coordinates_MiPoint"), "ifc:MiLengthMeasure_List");
    ASSERT_EQ(coordinates.size(), 3u);
    EXPECT_EQ(wrapped(coordinates[2], "ifc:MiLengthMeasure", "expr:hasDouble"), "\"-2.0\"^^xsd:double");
    const auto rows = chain(object("inst:MiPoint_2", "ifc:grid_MiPoint"), "ifc:MiCount_List_List");
    ASSERT_EQ(rows.size(), 2u);
    const auto second = chain(rows[1], "ifc:MiCount_List");
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(wrapped(second[0], "ifc:MiCount", "expr:hasInteger"), "\"3\"^^xsd:integer");
    // An empty list is one cell of the empty-list class; lists of simple types live in the EXPRESS vocabulary.
    const std::string weights = object("inst:MiPoint_2", "ifc:weights_MiPoint");
    EXPECT_TRUE(sink().has(weights + " rdf:type expr:REAL_EmptyList"));
    EXPECT_TRUE(sink().objects(weights, "list:hasContents").empty());
}

TEST_F(MiniModel, MakesADefinedListTypeItsOwnChain) {
    const auto angle = chain(object("inst:MiWall_1", "ifc:angle_MiWall"), "ifc:MiCompoundAngle");
    ASSERT_EQ(angle.size(), 3u);
    EXPECT_EQ(wrapped(angle[0], "expr:INTEGER", "expr:hasInteger"), "\"90\"^^xsd:integer");
    const auto typed = chain(object("inst:MiThing_3", "ifc:value_MiThing"), "ifc:MiCompoundAngle");
    EXPECT_EQ(typed.size(), 3u);
}

TEST_F(MiniModel, WritesOneStatementPerSetMember) {
    EXPECT_EQ(sink().objects("inst:MiRelation_5", "ifc:related_MiRelation"),
              (std::vector<std::string>{"inst:MiWall_1", "inst:MiThing_4"}));
}

TEST_F(MiniModel, GivesAComplexInstanceEveryLeafsTypeAndAttributes) {
    const std::string s = "inst:MiColoured_6";
    EXPECT_TRUE(sink().has(s + " rdf:type ifc:MiColoured"));
    EXPECT_TRUE(sink().has(s + " rdf:type ifc:MiPart"));
    EXPECT_TRUE(sink().has(s + " rdf:type ifc:MiTaggedPart"));
    EXPECT_EQ(wrapped(object(s, "ifc:colour_MiColoured"), "ifc:MiLabel", "expr:hasString"), "\"red\"^^xsd:string");
    EXPECT_EQ(wrapped(object(s, "ifc:tag_MiPart"), "ifc:MiLabel", "expr:hasString"), "\"p1\"^^xsd:string");
    EXPECT_EQ(wrapped(object(s, "ifc:note_MiTaggedPart"), "ifc:MiLabel", "expr:hasString"), "\"note\"^^xsd:string");
}

TEST_F(MiniModel, WritesNothingForMissingValues) {
    EXPECT_TRUE(sink().objects("inst:MiPoint_2", "ifc:name_MiRoot").empty());
    EXPECT_TRUE(sink().objects("inst:MiThing_3", "ifc:place_MiThing").empty());
}

// Each faulty instance of the fixture: the message it gets, and what of it is still written.
TEST(FaultyModel, ReportsEachFaultWithItsPlaceAndKeepsTheRest) {
    Converted c;
    const std::string path = testsupport::fixturePath("ifc/mini_faults.ifc");
    convert(c, path);
    EXPECT_TRUE(c.result.readable);
    struct Expected {
        const char* place;
        const char* text;
    };
    const Expected expected[] = {
        {":9:17:", "#2 MiRelation.Relating: #99 does not exist; the value is left out"},
        {":9:25:", "#2 MiRelation.Related: #98 does not exist; the value is left out"},
        {":10:1:", "#3: unknown entity MIUNKNOWN; the instance is left out"},
        {":11:1:", "#4 MiThing: 3 attributes where MiThing has 5; the instance is left out"},
        {":12:12:", "#5 MiRoot.Name: expected a string for MiLabel, found a reference; the attribute is left out"},
        {":13:16:", "#6 MiThing.Kind: .ODD. is no value of MiKindEnum; the attribute is left out"},
        {":14:", "syntax error"},
        {":15:23:", "#8 MiWall.Height: expected a number for MiPositiveLengthMeasure, found an enumeration .T."},
        {":16:17:", "#9 MiRelation.Relating: expected a reference to MiThing, found #2 (MiRelation)"},
        {":17:19:", "#10 MiThing.Value: MIWALL is no MiValueSelect"},
        {":18:19:", "#11 MiPoint.Coordinates: expected a number for MiLengthMeasure, found a string"},
        {":19:37:", "#12 MiWall.Count: expected an integer for INTEGER, found a real"},
    };
    const auto lines = c.messageLines();
    ASSERT_EQ(lines.size(), std::size(expected)) << c.messages.str();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(path, 0), 0u) << lines[i];
        EXPECT_NE(lines[i].find(expected[i].place), std::string::npos) << lines[i];
        EXPECT_NE(lines[i].find(expected[i].text), std::string::npos) << lines[i];
    }
    EXPECT_EQ(c.result.messages, lines.size());
    const CollectingSink& s = c.sink;
    // Values around the faults survive.
    EXPECT_EQ(s.objects("inst:MiRelation_2", "ifc:related_MiRelation"), std::vector<std::string>{"inst:MiThing_1"});
    EXPECT_TRUE(s.objects("inst:MiRelation_2", "ifc:relating_MiRelation").empty());
    EXPECT_TRUE(s.has("inst:MiThing_5 rdf:type ifc:MiThing"));
    EXPECT_TRUE(s.objects("inst:MiThing_5", "ifc:name_MiRoot").empty());
    EXPECT_EQ(s.objects("inst:MiThing_6", "ifc:name_MiRoot").size(), 1u);
    EXPECT_TRUE(s.objects("inst:MiThing_6", "ifc:kind_MiThing").empty());
    EXPECT_EQ(s.objects("inst:MiWall_12", "ifc:height_MiWall").size(), 1u);
    EXPECT_TRUE(s.objects("inst:MiWall_12", "ifc:count_MiWall").empty());
    // Left-out instances write nothing, not even their type.
    for (const char* gone : {"inst:MiThing_4 ", "inst:MIUNKNOWN_3", "_7 "})
        for (const std::string& line : s.lines) EXPECT_EQ(line.find(gone), std::string::npos) << line;
}

TEST(FaultyModel, ShowsTwentyMessagesAndCountsTheRest) {
    testsupport::TempDir dir;
    std::string model = "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('MINI'));\nENDSEC;\nDATA;\n";
    for (int i = 1; i <= 25; ++i) model += "#" + std::to_string(i) + "=MINOTHING();\n";
    model += "ENDSEC;\nEND-ISO-10303-21;\n";
    testsupport::writeFile(dir.file("m.ifc"), model);
    Converted c;
    convert(c, dir.file("m.ifc"));
    const auto lines = c.messageLines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_NE(lines.back().find("25 messages in all, 5 not shown"), std::string::npos) << lines.back();
    EXPECT_EQ(c.result.messages, 25u);
}

TEST(FaultyModel, RefusesAModelOfAnotherSchemaAndWritesNothing) {
    Converted c;
    convert(c, testsupport::fixturePath("ifc/mini.ifc"), "IFC4");
    EXPECT_FALSE(c.result.readable);
    EXPECT_TRUE(c.sink.lines.empty());
    EXPECT_NE(c.messages.str().find("FILE_SCHEMA names MINI, the schema is IFC4"), std::string::npos);
    Converted lower;
    convert(lower, testsupport::fixturePath("ifc/mini.ifc"), "mini");
    EXPECT_TRUE(lower.result.readable);
}

}  // namespace
