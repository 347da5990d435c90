#include "express/parser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "express_test_helpers.h"
#include "test_support.h"

namespace {

using expresstest::describe;
using Names = std::set<std::string>;

std::string parseFile(ExpressSchema& schema, const std::string& path, bool* result = nullptr) {
    testsupport::OutputCapture capture;
    bool ok = parseExpressSchema(schema, path);
    if (result) *result = ok;
    return capture.take();
}

std::string header(const std::string& path) { return "\nPARSE EXPRESS schema: " + path + "\n"; }

TEST(ParseExpressSchema, PathThatIsNoRegularFileLeavesTheSchemaEmptyAndSilent) {
    testsupport::TempDir dir;
    for (const std::string& path : {dir.file("missing.exp"), dir.path()}) {
        ExpressSchema schema;
        schema.schemaFile = "old";
        schema.addEntity("Old");
        schema.propertyNameCount["kept"] = 1;
        bool ok = false;
        EXPECT_EQ(parseFile(schema, path, &ok), "") << path;
        EXPECT_TRUE(ok) << path;
        EXPECT_EQ(schema.schemaFile, "") << path;
        EXPECT_TRUE(schema.entities.empty()) << path;
        EXPECT_EQ(schema.propertyNameCount.count("kept"), 1u) << path;
    }
}

TEST(ParseExpressSchema, FileWithoutDeclarationsKeepsOnlyItsPath) {
    testsupport::TempDir dir;
    for (const std::string content : {"", "SCHEMA EMPTY;\n(* nothing *)\nEND_SCHEMA;\n"}) {
        std::string path = dir.file("empty.exp");
        testsupport::writeFile(path, content);
        ExpressSchema schema;
        bool ok = false;
        EXPECT_EQ(parseFile(schema, path, &ok), header(path));
        EXPECT_TRUE(ok);
        EXPECT_EQ(schema.schemaFile, path);
        EXPECT_TRUE(schema.entities.empty() && schema.enumerations.empty() && schema.selects.empty() &&
                    schema.definedTypes.empty());
    }
}

TEST(ParseExpressSchema, SmallSchemaIsReadCompletely) {
    const std::string path = testsupport::fixturePath("express/small_schema.exp");
    ExpressSchema schema;
    std::string output = parseFile(schema, path);
    EXPECT_EQ(output, header(path) +
                          "    NOT handled Rule of: SmlCount  -  NotThree\n"
                          "Attr target: STRING  size= 255\n"
                          "Att'n: BAG is used in the schema. Need to update the converter!\n");
    EXPECT_EQ(schema.schemaFile, path);
    Names entities, types;
    for (const auto& entry : schema.entities) entities.insert(entry.first);
    EXPECT_EQ(entities, (Names{"SmlGroup", "SmlRoot", "SmlThing", "length_measure", "plane_angle_measure"}));
    EXPECT_EQ(schema.entities.at("length_measure")->comment, " units  angles ");
    EXPECT_EQ(schema.definedTypes.size(), 7u);
    EXPECT_EQ(schema.enumerations.size(), 2u);
    EXPECT_EQ(schema.selects.size(), 1u);

    const ExpressEntity& root = *schema.entities.at("SmlRoot");
    EXPECT_TRUE(root.isAbstract && root.isOneOf);
    EXPECT_EQ(root.subtypes, (std::vector<std::string>{"SmlThing", "SmlGroup"}));
    EXPECT_EQ(root.attributes.size(), 3u);
    EXPECT_EQ(root.uniqueRules.at("UR1"), ": GlobalId; ");

    const ExpressEntity& thing = *schema.entities.at("SmlThing");
    EXPECT_EQ(thing.supertypes, std::vector<std::string>{"SmlRoot"});
    ASSERT_EQ(thing.attributes.size(), 5u);
    EXPECT_EQ(thing.attributes[1].listBounds,
              (std::vector<std::pair<std::string, std::string>>{{"1", ""}, {"1", "3"}}));
    EXPECT_EQ(thing.attributes[4].name, "Groups");
    EXPECT_EQ(thing.attributes[4].inverseOf, "Members");
    EXPECT_EQ(thing.whereRules.size(), 2u);

    EXPECT_EQ(schema.propertyNameCount.at("Name"), 2);
    EXPECT_EQ(schema.enumerationItemCount.at("USERDEFINED"), 2);
    EXPECT_EQ(schema.definedTypes.at("SmlFontStyle")->allowedValues, (Names{"italic", "normal", "oblique"}));
    EXPECT_EQ(schema.definedTypes.at("SmlIdentifier")->width, 22);
    EXPECT_EQ(schema.selects.at("SmlValueSelect")->items, (Names{"SmlCount", "SmlLabel", "SmlThing"}));
}

TEST(ParseExpressSchema, CrLfFileGivesTheSameModel) {
    std::string content = testsupport::readFile(testsupport::fixturePath("express/small_schema.exp"));
    std::string crlf;
    for (char c : content) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("lf.exp"), content);
    testsupport::writeFile(dir.file("crlf.exp"), crlf);
    ExpressSchema lf, crlfSchema;
    parseFile(lf, dir.file("lf.exp"));
    parseFile(crlfSchema, dir.file("crlf.exp"));
    EXPECT_EQ(describe(crlfSchema), describe(lf));
    EXPECT_FALSE(lf.entities.empty());
}

TEST(ParseExpressSchema, ReferenceAndUseTakeNamesOverAsEntities) {
    ExpressSchema schema;
    parseFile(schema, testsupport::fixturePath("express/reference_use.exp"));
    Names names;
    for (const auto& entry : schema.entities) names.insert(entry.first);
    EXPECT_EQ(names, (Names{"curve", "label", "point", "surface", "text"}));
    EXPECT_EQ(schema.entities.at("curve")->comment, " shapes ");
    EXPECT_EQ(schema.entities.at("label")->comment, " first  second ");
    EXPECT_EQ(schema.entities.at("point")->comment, "");  // declared after the reference
    EXPECT_TRUE(schema.entities.at("curve")->attributes.empty());
}

TEST(ParseExpressSchema, BadInputNeverBreaksTheReader) {
    testsupport::TempDir dir;
    std::mt19937 random(11);
    std::string binary;
    for (int i = 0; i < 1 << 20; ++i) binary += static_cast<char>(random() % 4 == 0 ? 0 : random() % 256);
    std::string keywords;
    const char* words[] = {"ENTITY ",   "TYPE ", "= ",       "LIST ",  "OF ",   "[1:?] ",   "; ",
                           "\n",        "(* ",   "*) ",      "WHERE ", "SELF ", "INVERSE ", "END_ENTITY;",
                           "END_TYPE;", ": ",    "SUBTYPE ", "ARRAY ", "X "};
    for (int i = 0; i < 200000; ++i) keywords += words[random() % (sizeof words / sizeof *words)];
    std::string deepType = "TYPE Deep = ";
    for (int i = 0; i < 10000; ++i) deepType += "LIST OF ";
    const std::vector<std::string> contents = {
        binary,
        keywords,
        std::string(10 * 1024 * 1024, 'x'),
        "ENTITY A\n SUBTYPE OF (",
        "TYPE T = ENUMERATION OF (",
        "ENTITY A;\n X : LIST [1:2] OF",
        "(* never closed\nENTITY A;\nEND_ENTITY;\n",
        deepType,
        testsupport::readFile(testsupport::fixturePath("express/malformed.exp")),
    };
    for (std::size_t i = 0; i < contents.size(); ++i) {
        std::string path = dir.file("bad" + std::to_string(i) + ".exp");
        testsupport::writeFile(path, contents[i]);
        ExpressSchema schema;
        bool ok = false;
        std::string output = parseFile(schema, path, &ok);
        // Only a comment left open makes the read incomplete, and that is said.
        EXPECT_TRUE(ok || output.find(" is never closed; the rest of the file was not read\n") != std::string::npos)
            << i;
        EXPECT_EQ(output.compare(0, header(path).size(), header(path)), 0) << i;
    }
}

TEST(ParseExpressSchema, MalformedDeclarationsKeepWhatTheyCan) {
    const std::string path = testsupport::fixturePath("express/malformed.exp");
    ExpressSchema schema;
    EXPECT_EQ(parseFile(schema, path), header(path) +
                                           "    NOT handled Rule of: BrkT  -  WR2\n"
                                           "    NOT handled Rule of: BrkT  -  WR3\n"
                                           "    NOT handled Rule of: BrkT  -  TYPE\n"
                                           "ERROR: " +
                                           path +
                                           ": the comment opened on line 26 is never closed; "
                                           "the rest of the file was not read\n");
    Names entities;
    for (const auto& entry : schema.entities) entities.insert(entry.first);
    EXPECT_EQ(entities, Names{"BrkA"});
    const ExpressEntity& a = *schema.entities.at("BrkA");
    ASSERT_EQ(a.attributes.size(), 1u);
    EXPECT_EQ(a.attributes[0].name, "Y");
    EXPECT_EQ(a.whereRules.count("WR1"), 1u);

    const ExpressDefinedType& t = *schema.definedTypes.at("BrkT");
    EXPECT_TRUE(t.isList);
    EXPECT_EQ(t.underlyingType, "");
    EXPECT_TRUE(t.hasInRule);
    EXPECT_TRUE(t.allowedValues.empty());
    EXPECT_EQ(schema.definedTypes.count("BrkU"), 0u);  // swallowed by BrkT, which has no END_TYPE;
    const ExpressDefinedType& v = *schema.definedTypes.at("BrkV");
    EXPECT_EQ(v.aggMin, "9999999999999999");
    EXPECT_EQ(v.aggMax, "-3");
    EXPECT_EQ(v.underlyingType, "STRING");
    EXPECT_EQ(v.width, 2147483647);
}

// The names declared by lines that start with the keyword, read independently of the reader.
Names declaredNames(const std::string& path, const std::string& keyword) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    Names names;
    const std::regex declaration("^[ \\t]*" + keyword + "[ \\t]+([A-Za-z_][A-Za-z0-9_]*)");
    std::smatch match;
    while (std::getline(in, line)) {
        if (std::regex_search(line, match, declaration)) names.insert(match[1]);
    }
    return names;
}

class RealSchema : public ::testing::TestWithParam<const char*> {};

TEST_P(RealSchema, EveryEntityAndTypeDeclarationReachesTheModel) {
    const std::string path = testsupport::sharedSchemaPath(GetParam());
    SKIP_WITHOUT_SHARED(path);
    ExpressSchema schema;
    bool ok = false;
    std::string output = parseFile(schema, path, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(output.compare(0, header(path).size(), header(path)), 0);
    EXPECT_EQ(schema.schemaFile, path);

    Names entities, types;
    for (const auto& entry : schema.entities) entities.insert(entry.first);
    for (const auto& entry : schema.enumerations) types.insert(entry.first);
    for (const auto& entry : schema.selects) types.insert(entry.first);
    for (const auto& entry : schema.definedTypes) types.insert(entry.first);
    const Names declaredEntities = declaredNames(path, "ENTITY");
    const Names declaredTypes = declaredNames(path, "TYPE");
    EXPECT_GT(declaredEntities.size(), 600u);
    EXPECT_GT(declaredTypes.size(), 300u);
    EXPECT_EQ(entities, declaredEntities);  // the IFC schemas reference no other schema
    EXPECT_EQ(types, declaredTypes);
    EXPECT_EQ(schema.enumerations.size() + schema.selects.size() + schema.definedTypes.size(), declaredTypes.size());

    const ExpressEntity& root = *schema.entities.at("IfcRoot");
    EXPECT_TRUE(root.isAbstract);
    ASSERT_GE(root.attributes.size(), 4u);
    EXPECT_EQ(root.attributes[0].name, "GlobalId");
    EXPECT_EQ(root.attributes[0].targetType, "IfcGloballyUniqueId");
    EXPECT_EQ(schema.definedTypes.at("IfcGloballyUniqueId")->underlyingType, "STRING");
    EXPECT_EQ(schema.definedTypes.at("IfcGloballyUniqueId")->width, 22);
    EXPECT_EQ(schema.entities.at("IfcWall")->supertypes, std::vector<std::string>{"IfcBuildingElement"});
    EXPECT_GT(schema.enumerationItemCount.at("USERDEFINED"), 100);
}

INSTANTIATE_TEST_SUITE_P(Ifc, RealSchema, ::testing::Values("IFC2X3_TC1.exp", "IFC4_ADD2_TC1.exp"));

TEST(ParseExpressSchema, Ifc4ListOfListAttribute) {
    const std::string path = testsupport::sharedSchemaPath("IFC4_ADD2_TC1.exp");
    SKIP_WITHOUT_SHARED(path);
    ExpressSchema schema;
    parseFile(schema, path);
    const ExpressAttribute& coordinates = schema.entities.at("IfcCartesianPointList3D")->attributes.at(0);
    EXPECT_EQ(coordinates.name, "CoordList");
    EXPECT_TRUE(coordinates.isList);
    EXPECT_EQ(coordinates.listBounds, (std::vector<std::pair<std::string, std::string>>{{"1", ""}, {"3", "3"}}));
    EXPECT_EQ(coordinates.targetType, "IfcLengthMeasure");
}

}  // namespace
