#include "express/rule_parser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "express_test_helpers.h"

namespace {

using expresstest::entityText;
using expresstest::parseText;
using Values = std::set<std::string>;

struct TypeRuleCase {
    std::string rule;
    std::string minValue, maxValue;
    bool minInclusive, maxInclusive;
    Values allowedValues;
    bool notHandled;
};

TEST(TypeRule, ShapesAreReadIntoTheType) {
    const std::vector<TypeRuleCase> cases = {
        {"GreaterThanZero : SELF > 0;", "0", "", false, false, {}, false},
        {"WR1 : SELF >= 0.;", "0.", "", true, false, {}, false},
        {"WR1 : SELF < 100;", "", "100", false, false, {}, false},
        {"WR1 : SELF <= 100;", "", "100", false, true, {}, false},
        {"WR1 : {0.0 <= SELF <= 1.0};", "0.0", "1.0", true, true, {}, false},
        {"WR1 : {0.0 < SELF < 1.0};", "0.0", "1.0", false, false, {}, false},
        {"WR1 : {-180 <= SELF < 180};", "-180", "180", true, false, {}, false},
        {"WR1 : SELF IN ['normal','italic','oblique'];", "", "", false, false, {"italic", "normal", "oblique"}, false},
        {"WR1 : SELF IN ['small caps', 'normal'];", "", "", false, false, {"caps", "normal", "small"}, false},
        {"MinutesInRange : ABS(SELF[2]) < 60;", "", "", false, false, {}, true},
        {"WR1 : SELF <> 0;", "", "", false, false, {}, true},
        {"WR1 : SELF >= 0 AND SELF <= 100;", "", "", false, false, {}, true},
        {"WR1 : SIZEOF(Items) > 0;", "", "", false, false, {}, true},
        // No check of the word order, nor of the middle word of a five-word text.
        {"WR1 : 0 < SELF;", "", "SELF", false, false, {}, false},
        {"WR1 : EXISTS(SELF) AND (SELF <> '');", "EXISTS(SELF)", "'')", false, false, {}, false},
        // A label followed by the expression without a separate ":" keeps the whole expression.
        {"WR1: SELF > 0;", "0", "", false, false, {}, false},
        {"WR1 SELF > 0;", "0", "", false, false, {}, false},
    };
    for (const TypeRuleCase& c : cases) {
        ExpressSchema schema;
        std::string output = parseText(schema, "TYPE IfcT = REAL;\n WHERE\n  " + c.rule + "\nEND_TYPE;\n");
        const ExpressDefinedType& type = *schema.definedTypes.at("IfcT");
        EXPECT_EQ(type.minValue, c.minValue) << c.rule;
        EXPECT_EQ(type.maxValue, c.maxValue) << c.rule;
        EXPECT_EQ(type.minInclusive, c.minInclusive) << c.rule;
        EXPECT_EQ(type.maxInclusive, c.maxInclusive) << c.rule;
        EXPECT_EQ(type.allowedValues, c.allowedValues) << c.rule;
        EXPECT_EQ(type.hasInRule, !c.allowedValues.empty()) << c.rule;
        std::string label = c.rule.substr(0, c.rule.find_first_of(" :"));
        EXPECT_EQ(output, c.notHandled ? "    NOT handled Rule of: IfcT  -  " + label + "\n" : "") << c.rule;
    }
}

TEST(TypeRule, LaterRulesOverwriteValuesAndKeepFlags) {
    ExpressSchema schema;
    parseText(schema,
              "TYPE IfcT = REAL;\n WHERE\n  WR1 : SELF >= 0;\n  WR2 : SELF > 5;\n"
              "  WR3 : SELF IN ['a'];\n  WR4 : SELF IN ['b'];\nEND_TYPE;\n");
    const ExpressDefinedType& type = *schema.definedTypes.at("IfcT");
    EXPECT_EQ(type.minValue, "5");
    EXPECT_TRUE(type.minInclusive);
    EXPECT_EQ(type.allowedValues, (Values{"a", "b"}));
}

TEST(TypeRule, LabelWithoutTextIsDropped) {
    ExpressSchema schema;
    EXPECT_EQ(parseText(schema, "TYPE IfcT = REAL;\n WHERE\n  WR1 :"), "");
    const ExpressDefinedType& type = *schema.definedTypes.at("IfcT");
    EXPECT_TRUE(type.minValue.empty() && type.maxValue.empty() && !type.hasInRule);
}

TEST(TypeRule, TwoRulesOnOneLineFormOneStatement) {
    ExpressSchema schema;
    std::string output =
        parseText(schema, "TYPE IfcT = REAL;\n WHERE\n  WR1 : SELF > 0; WR2 : SELF < 10;\nEND_TYPE;\n");
    EXPECT_EQ(output, "    NOT handled Rule of: IfcT  -  WR1\n");
}

TEST(EntityRule, TextIsEachTokenFollowedByABlank) {
    ExpressSchema schema;
    std::string output = parseText(schema, entityText("IfcE;",
                                                      " UNIQUE\n  UR1 : GlobalId;\n  UR1 : Name, Tag;\n"
                                                      " WHERE\n  WR1 : SIZEOF(Items) > 0;\n"
                                                      "  WR2: (* note *) EXISTS(Name)\n     OR EXISTS(Tag);\n"
                                                      "  SELF\\IfcX.WR3 : TRUE;\n  WR4 : SELF <> 0;"));
    EXPECT_EQ(output, "");
    const ExpressEntity& entity = *schema.entities.at("IfcE");
    EXPECT_EQ(entity.uniqueRules, (std::map<std::string, std::string>{{"UR1", ": Name Tag; "}}));
    EXPECT_EQ(entity.whereRules, (std::map<std::string, std::string>{{"WR1", ": SIZEOF(Items) > 0; "},
                                                                     {"WR2:", "EXISTS(Name) OR EXISTS(Tag); "},
                                                                     {"WR4", ": SELF <> 0; "}}));
}

}  // namespace
