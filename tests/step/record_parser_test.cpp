#include "step/record_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Step::StepValue;
using Kind = StepValue::Kind;

Step::StepInstance parsed(const std::string& text) {
    Step::StepInstance instance;
    Step::ParseError error;
    EXPECT_TRUE(Step::parseInstance(text, instance, error)) << text << ": " << error.message;
    return instance;
}

TEST(RecordParser, ReadsEveryKindOfValue) {
    auto instance = parsed(
        "#42= IFCX($,*,12,-3.,1.E-005,+2.5e3,'it''s',.ELEMENT.,\"0FF\",#7,"
        "IFCLENGTHMEASURE(0.0254),((1,2),()),!USER(1))");
    EXPECT_EQ(instance.number, 42u);
    ASSERT_EQ(instance.parts.size(), 1u);
    EXPECT_EQ(instance.parts[0].name, "IFCX");
    const auto& p = instance.parts[0].parameters;
    ASSERT_EQ(p.size(), 13u);
    const std::pair<Kind, const char*> expected[] = {{Kind::Missing, ""},
                                                     {Kind::Derived, ""},
                                                     {Kind::Integer, "12"},
                                                     {Kind::Real, "-3.0"},
                                                     {Kind::Real, "1.0E-005"},
                                                     {Kind::Real, "2.5E3"},
                                                     {Kind::String, "it's"},
                                                     {Kind::Enumeration, "ELEMENT"},
                                                     {Kind::Binary, "0FF"},
                                                     {Kind::Reference, ""},
                                                     {Kind::Typed, "IFCLENGTHMEASURE"},
                                                     {Kind::List, ""},
                                                     {Kind::Typed, "!USER"}};
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].kind, expected[i].first) << i;
        EXPECT_EQ(p[i].text, expected[i].second) << i;
    }
    EXPECT_EQ(p[9].reference, 7u);
    ASSERT_EQ(p[10].items.size(), 1u);
    EXPECT_EQ(p[10].items[0].text, "0.0254");
    ASSERT_EQ(p[11].items.size(), 2u);
    EXPECT_EQ(p[11].items[0].items.size(), 2u);
    EXPECT_TRUE(p[11].items[1].items.empty());
}

TEST(RecordParser, ReadsComplexInstancesPartByPart) {
    auto instance = parsed("#5=(IFCA() IFCB(1,'x')\n IFCC((#1,#2)))");
    EXPECT_TRUE(instance.isComplex);
    ASSERT_EQ(instance.parts.size(), 3u);
    EXPECT_EQ(instance.parts[1].name, "IFCB");
    EXPECT_EQ(instance.parts[1].parameters.size(), 2u);
    EXPECT_EQ(instance.parts[2].parameters[0].items.size(), 2u);
}

TEST(RecordParser, RefusesMalformedStatementsAtThePlaceOfTheFault) {
    struct Case {
        const char* text;
        std::size_t offset;
    };
    const Case cases[] = {{"#1=IFCX(1,,2)", 10},
                          {"#1=IFCX('abc)", 8},
                          {"#1=IFCX(.A)", 8},
                          {"#1=IFCX(1.2.3)", 8},
                          {"#1=IFCX(1)x", 10},
                          {"#=IFCX()", 1},
                          {"#1 IFCX()", 3},
                          {"#1=IFCX(#)", 9},
                          {"#1=IFCX(\"5F\")", 8},
                          {"#1=IFCX((1,2)", 13},
                          {"#1=()", 4},
                          {"#1=IFCX(1E5)", 8},
                          {"#1=IFCX('\\X2\\00\\X0\\')", 9},
                          {"#99999999999999999999999=IFCX()", 20}};
    for (const Case& c : cases) {
        Step::StepInstance instance;
        Step::ParseError error;
        EXPECT_FALSE(Step::parseInstance(c.text, instance, error)) << c.text;
        EXPECT_EQ(error.offset, c.offset) << c.text << ": " << error.message;
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(RecordParser, RefusesNestingDeepEnoughToExhaustTheStack) {
    std::string text = "#1=IFCX(" + std::string(100000, '(') + std::string(100000, ')') + ")";
    Step::StepInstance instance;
    Step::ParseError error;
    EXPECT_FALSE(Step::parseInstance(text, instance, error));
}

TEST(RecordParser, ScansTheHeadOfAnInstanceWithoutItsValues) {
    std::uint64_t number = 0;
    std::vector<std::string> names;
    Step::ParseError error;
    ASSERT_TRUE(Step::scanInstanceHead("#12 = (IFCA('(') IFCB((1,')')))", number, names, error)) << error.message;
    EXPECT_EQ(number, 12u);
    EXPECT_EQ(names, (std::vector<std::string>{"IFCA", "IFCB"}));
    ASSERT_TRUE(Step::scanInstanceHead("#3=IFCWALL('a;b',$)", number, names, error));
    EXPECT_EQ(names, std::vector<std::string>{"IFCWALL"});
}

}  // namespace
