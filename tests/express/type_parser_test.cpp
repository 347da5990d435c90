#include "express/type_parser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "express_test_helpers.h"

namespace {

using expresstest::parseText;
using Items = std::set<std::string>;

struct DefinedTypeCase {
    std::string declaration;
    std::string underlyingType;
    int width;
    bool isSet, isList, isArray;
    std::string aggMin, aggMax;
};

TEST(TypeDeclaration, DefinedTypesGiveTheirFields) {
    const std::vector<DefinedTypeCase> cases = {
        {"TYPE IfcLabel = STRING;", "STRING", 0, false, false, false, "", ""},
        {"TYPE IfcGloballyUniqueId = STRING(22) FIXED;", "STRING", 22, false, false, false, "", ""},
        {"TYPE IfcPositiveLengthMeasure = IfcLengthMeasure;", "IfcLengthMeasure", 0, false, false, false, "", ""},
        {"TYPE IfcArcIndex = LIST [3:3] OF IfcPositiveInteger;", "IfcPositiveInteger", 0, false, true, false, "3", "3"},
        {"TYPE IfcLineIndex = LIST [2:?] OF IfcPositiveInteger;", "IfcPositiveInteger", 0, false, true, false, "2", ""},
        {"TYPE IfcComplexNumber = ARRAY [1:2] OF REAL;", "REAL", 0, false, false, true, "1", "2"},
        {"TYPE IfcSet = SET [1:?] OF IfcX;", "IfcX", 0, true, false, false, "1", ""},
        {"TYPE IfcText = STRING(255);", "STRING", 255, false, false, false, "", ""},
        {"TYPE IfcText = STRING(x);", "STRING", 0, false, false, false, "", ""},
        {"TYPE IfcOdd = (5);", "", 0, false, false, false, "", ""},
        // Without bounds only the keyword and OF go.
        {"TYPE IfcAny = LIST OF IfcX;", "IfcX", 0, false, true, false, "", ""},
        {"TYPE IfcOne = LIST [1] OF IfcX;", "IfcX", 0, false, true, false, "", ""},
        // Only the outermost level is read; BAG is not an aggregation keyword of a type.
        {"TYPE IfcNested = LIST [1:?] OF LIST [2:2] OF IfcX;", "LIST", 0, false, true, false, "1", ""},
        {"TYPE IfcBag = BAG [1:?] OF IfcX;", "BAG", 0, false, false, false, "", ""},
        // Cut short by the end of input.
        {"TYPE IfcCut = LIST", "", 0, false, true, false, "", ""},
        {"TYPE IfcCut = ARRAY [1:3]", "", 0, false, false, true, "1", "3"},
    };
    for (const DefinedTypeCase& c : cases) {
        ExpressSchema schema;
        EXPECT_EQ(parseText(schema, c.declaration + "\nEND_TYPE;\n"), "") << c.declaration;
        ASSERT_EQ(schema.definedTypes.size(), 1u) << c.declaration;
        const ExpressDefinedType& type = *schema.definedTypes.begin()->second;
        EXPECT_EQ(type.name, schema.definedTypes.begin()->first);
        EXPECT_EQ(type.underlyingType, c.underlyingType) << c.declaration;
        EXPECT_EQ(type.width, c.width) << c.declaration;
        EXPECT_EQ(type.isSet, c.isSet) << c.declaration;
        EXPECT_EQ(type.isList, c.isList) << c.declaration;
        EXPECT_EQ(type.isArray, c.isArray) << c.declaration;
        EXPECT_EQ(type.aggMin, c.aggMin) << c.declaration;
        EXPECT_EQ(type.aggMax, c.aggMax) << c.declaration;
        EXPECT_TRUE(schema.enumerations.empty() && schema.selects.empty()) << c.declaration;
    }
}

TEST(TypeDeclaration, EnumerationItemsAreCollectedAndCounted) {
    ExpressSchema schema;
    parseText(schema,
              "TYPE IfcAddressTypeEnum = ENUMERATION OF (OFFICE, SITE, HOME, DISTRIBUTIONPOINT, USERDEFINED);\n"
              "END_TYPE;\n"
              "TYPE IfcSpread = ENUMERATION OF\n\t(SITE\n\t,NOTDEFINED\n\t,SITE\n\t,USERDEFINED);\n"
              " WHERE\n  WR1 : SELF > 0;\n"
              "END_TYPE;\n");
    EXPECT_EQ(schema.enumerations.at("IfcAddressTypeEnum")->items,
              (Items{"DISTRIBUTIONPOINT", "HOME", "OFFICE", "SITE", "USERDEFINED"}));
    EXPECT_EQ(schema.enumerations.at("IfcSpread")->items, (Items{"NOTDEFINED", "SITE", "USERDEFINED"}));
    EXPECT_EQ(
        schema.enumerationItemCount,
        (std::map<std::string, int>{
            {"DISTRIBUTIONPOINT", 1}, {"HOME", 1}, {"NOTDEFINED", 1}, {"OFFICE", 1}, {"SITE", 3}, {"USERDEFINED", 2}}));
    EXPECT_TRUE(schema.definedTypes.empty());
}

TEST(TypeDeclaration, SelectMembersAreStoredAsWritten) {
    ExpressSchema schema;
    std::string output = parseText(schema,
                                   "TYPE IfcActorSelect = SELECT\n\t(IfcOrganization\n\t,IfcPerson\n"
                                   "\t,IfcPersonAndOrganization\n\t,IfcLabel);\n"
                                   " WHERE\n  WR1 : SELF[1] > 0;\nEND_TYPE;\n"
                                   "TYPE IfcActorSelect = ENUMERATION OF (A);\nEND_TYPE;\n");
    EXPECT_EQ(output, "");
    EXPECT_EQ(schema.selects.at("IfcActorSelect")->items,
              (Items{"IfcLabel", "IfcOrganization", "IfcPerson", "IfcPersonAndOrganization"}));
    EXPECT_EQ(schema.enumerations.count("IfcActorSelect"), 1u);
    EXPECT_TRUE(schema.enumerationItemCount.count("IfcPerson") == 0);
}

TEST(TypeDeclaration, LaterDeclarationOfTheSameKindWins) {
    ExpressSchema schema;
    parseText(schema, "TYPE IfcA = REAL;\nEND_TYPE;\nTYPE IfcA = INTEGER;\nEND_TYPE;\n");
    ASSERT_EQ(schema.definedTypes.size(), 1u);
    EXPECT_EQ(schema.definedTypes.at("IfcA")->underlyingType, "INTEGER");
}

TEST(TypeDeclaration, TooShortStatementIsDropped) {
    ExpressSchema schema;
    parseText(schema, "TYPE IfcA;\nEND_TYPE;\nTYPE IfcB =;\nEND_TYPE;\nTYPE\n");
    EXPECT_TRUE(schema.definedTypes.empty());
    EXPECT_TRUE(schema.enumerations.empty());
    EXPECT_TRUE(schema.selects.empty());
}

TEST(TypeBody, WhereRulesOfADefinedTypeAreRead) {
    ExpressSchema schema;
    std::string output =
        parseText(schema,
                  "TYPE IfcRatio = REAL;\n WHERE\n  WR1 : {0.0 <= SELF <= 1.0};\nEND_TYPE;\n"
                  "TYPE IfcCount = INTEGER;\n WHERE\n  WR1 : SELF > 0;\n  WR2 : SELF <> 3;\nEND_TYPE;\n"
                  "TYPE IfcPlain = REAL;\n  WR1 : SELF > 0;\nEND_TYPE;\n");
    const ExpressDefinedType& ratio = *schema.definedTypes.at("IfcRatio");
    EXPECT_EQ(ratio.minValue, "0.0");
    EXPECT_EQ(ratio.maxValue, "1.0");
    EXPECT_TRUE(ratio.minInclusive && ratio.maxInclusive);
    EXPECT_EQ(schema.definedTypes.at("IfcCount")->minValue, "0");
    EXPECT_EQ(output, "    NOT handled Rule of: IfcCount  -  WR2\n");
    // Outside a WHERE section nothing is read.
    EXPECT_EQ(schema.definedTypes.at("IfcPlain")->minValue, "");
}

TEST(TypeBody, MissingEndTypeRunsOnIntoLaterDeclarations) {
    ExpressSchema schema;
    std::string output = parseText(schema,
                                   "TYPE IfcA = REAL;\n WHERE\n  WR1 : SELF > 0;\n"
                                   "TYPE IfcB = INTEGER;\nEND_TYPE;\n"
                                   "TYPE IfcE = ENUMERATION OF (X);\n"
                                   "TYPE IfcF = REAL;\nEND_TYPE;\n"
                                   "TYPE IfcG = REAL;\nEND_TYPE;\n");
    EXPECT_EQ(schema.definedTypes.count("IfcB"), 0u);
    EXPECT_EQ(schema.definedTypes.count("IfcF"), 0u);
    EXPECT_EQ(schema.definedTypes.count("IfcG"), 1u);
    EXPECT_EQ(schema.definedTypes.at("IfcA")->minValue, "0");
    // The swallowed TYPE statement is read as a rule labelled TYPE.
    EXPECT_EQ(output, "    NOT handled Rule of: IfcA  -  TYPE\n");
}

}  // namespace
