#include "express/attribute_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "express_test_helpers.h"

namespace {

using expresstest::entityText;
using expresstest::parseText;
using Bounds = std::vector<std::pair<std::string, std::string>>;

struct AttributeCase {
    std::string declaration;  // one explicit attribute, or after "INVERSE" an inverse one
    ExpressAttribute expected;
    std::string output = "";
};

ExpressAttribute attribute(const std::string& name, const std::string& target) {
    ExpressAttribute a;
    a.name = name;
    a.targetType = target;
    return a;
}

template <typename Change>
ExpressAttribute with(ExpressAttribute a, Change change) {
    change(a);
    return a;
}

void expectSame(const ExpressAttribute& actual, const ExpressAttribute& expected, const std::string& context) {
    EXPECT_EQ(actual.name, expected.name) << context;
    EXPECT_EQ(actual.targetType, expected.targetType) << context;
    EXPECT_EQ(actual.width, expected.width) << context;
    EXPECT_EQ(actual.inverseOf, expected.inverseOf) << context;
    EXPECT_EQ(actual.isOptional, expected.isOptional) << context;
    EXPECT_EQ(actual.isSet, expected.isSet) << context;
    EXPECT_EQ(actual.isList, expected.isList) << context;
    EXPECT_EQ(actual.isArray, expected.isArray) << context;
    EXPECT_EQ(actual.minCard, expected.minCard) << context;
    EXPECT_EQ(actual.maxCard, expected.maxCard) << context;
    EXPECT_EQ(actual.listBounds, expected.listBounds) << context;
}

const char* const kBagMessage = "Att'n: BAG is used in the schema. Need to update the converter!\n";

TEST(Attribute, DeclarationsGiveTheirFields) {
    const std::vector<AttributeCase> cases = {
        {"GlobalId : IfcGloballyUniqueId;", attribute("GlobalId", "IfcGloballyUniqueId")},
        {"Description : OPTIONAL IfcText;",
         with(attribute("Description", "IfcText"), [](auto& a) { a.isOptional = true, a.minCard = "0"; })},
        {"HasPropertySets : OPTIONAL SET [1:?] OF IfcPropertySetDefinition;",
         with(attribute("HasPropertySets", "IfcPropertySetDefinition"),
              [](auto& a) { a.isOptional = a.isSet = true, a.minCard = "0", a.maxCard = ""; })},
        {"Coordinates : LIST [1:3] OF IfcLengthMeasure;", with(attribute("Coordinates", "IfcLengthMeasure"),
                                                               [](auto& a) {
                                                                   a.isList = true, a.listBounds = Bounds{{"1", "3"}};
                                                               })},
        {"INVERSE IsDefinedBy : SET [0:?] OF IfcRelDefinesByProperties FOR RelatedObjects;",
         with(attribute("IsDefinedBy", "IfcRelDefinesByProperties"),
              [](auto& a) { a.isSet = true, a.minCard = "0", a.maxCard = "", a.inverseOf = "RelatedObjects"; })},
        {"INVERSE Owner : IfcW FOR Owned;", with(attribute("Owner", "IfcW"), [](auto& a) { a.inverseOf = "Owned"; })},
        // FOR is only read when exactly three tokens remain.
        {"INVERSE Owner : IfcW FOR Owned Extra;", attribute("Owner", "IfcW")},
        {"Name: IfcLabel;", attribute("Name", "IfcLabel")},
        {"Items : SET [2:5] OF IfcX;",
         with(attribute("Items", "IfcX"), [](auto& a) { a.isSet = true, a.minCard = "2", a.maxCard = "5"; })},
        {"Items : OPTIONAL SET [2:5] OF IfcX;",
         with(attribute("Items", "IfcX"),
              [](auto& a) { a.isOptional = a.isSet = true, a.minCard = "0", a.maxCard = "5"; })},
        {"Items : SET OF IfcX;",
         with(attribute("Items", "IfcX"), [](auto& a) { a.isSet = true, a.minCard = "0", a.maxCard = ""; })},
        {"Items : SET [1] OF IfcX;", with(attribute("Items", "IfcX"), [](auto& a) { a.isSet = true; })},
        {"Items : BAG [0:?] OF IfcX;",
         with(attribute("Items", "IfcX"), [](auto& a) { a.isSet = true, a.minCard = "0", a.maxCard = ""; }),
         kBagMessage},
        {"Pair : ARRAY [1:2] OF IfcX;", with(attribute("Pair", "IfcX"),
                                             [](auto& a) {
                                                 a.isArray = true, a.listBounds = Bounds{{"2", "2"}};
                                             })},
        {"Four : ARRAY [0:3] OF IfcX;", with(attribute("Four", "IfcX"),
                                             [](auto& a) {
                                                 a.isArray = true, a.listBounds = Bounds{{"4", "4"}};
                                             })},
        {"Open : ARRAY [1:?] OF IfcX;", with(attribute("Open", "IfcX"),
                                             [](auto& a) {
                                                 a.isArray = true, a.listBounds = Bounds{{"0", "0"}};
                                             })},
        {"Huge : ARRAY [-99999999999999:99999999999999] OF IfcX;",
         with(attribute("Huge", "IfcX"),
              [](auto& a) {
                  a.isArray = true, a.listBounds = Bounds{{"4294967296", "4294967296"}};
              })},
        {"Any : LIST OF IfcX;", with(attribute("Any", "IfcX"),
                                     [](auto& a) {
                                         a.isList = true, a.listBounds = Bounds{{"0", ""}};
                                     })},
        {"Any : ARRAY OF IfcX;", with(attribute("Any", "IfcX"),
                                      [](auto& a) {
                                          a.isArray = true, a.listBounds = Bounds{{"", ""}};
                                      })},
        {"Points : LIST [1:?] OF ARRAY [1:3] OF IfcX;",
         with(attribute("Points", "IfcX"),
              [](auto& a) {
                  a.isList = true, a.listBounds = Bounds{{"1", ""}, {"1", "3"}};
              })},
        {"Grid : ARRAY [1:2] OF LIST [0:3] OF IfcX;",
         with(attribute("Grid", "IfcX"),
              [](auto& a) {
                  a.isArray = true, a.listBounds = Bounds{{"2", "2"}, {"4", "4"}};
              })},
        {"Distinct : OPTIONAL LIST [1:?] OF UNIQUE IfcX;",
         with(attribute("Distinct", "IfcX"),
              [](auto& a) {
                  a.isOptional = a.isList = true, a.minCard = "0", a.listBounds = Bounds{{"1", ""}};
              })},
        {"Sets : SET [1:?] OF LIST [2:2] OF IfcX;",
         with(attribute("Sets", "IfcX"),
              [](auto& a) {
                  a.isSet = a.isList = true, a.minCard = "1", a.maxCard = "", a.listBounds = Bounds{{"2", "2"}};
              })},
        {"Name : STRING(255);", with(attribute("Name", "STRING"), [](auto& a) { a.width = 255; }),
         "Attr target: STRING  size= 255\n"},
        {"Code : OPTIONAL STRING(x);",
         with(attribute("Code", "STRING"), [](auto& a) { a.isOptional = true, a.minCard = "0"; }),
         "Attr target: STRING  size= x\n"},
        {"Odd : (255);", attribute("Odd", "")},
    };
    for (const AttributeCase& c : cases) {
        ExpressSchema schema;
        std::string output = parseText(schema, entityText("IfcE;", c.declaration));
        EXPECT_EQ(output, c.output) << c.declaration;
        const ExpressEntity& entity = *schema.entities.at("IfcE");
        ASSERT_EQ(entity.attributes.size(), 1u) << c.declaration;
        expectSame(entity.attributes[0], c.expected, c.declaration);
    }
}

TEST(Attribute, StatementCutShortByTheEndOfInputRecordsWhatItCan) {
    const std::vector<AttributeCase> cases = {
        {"Cut : LIST", with(attribute("Cut", ""),
                            [](auto& a) {
                                a.isList = true, a.listBounds = Bounds{{"0", ""}};
                            })},
        {"Cut : ARRAY [1:2]", with(attribute("Cut", ""),
                                   [](auto& a) {
                                       a.isArray = true, a.listBounds = Bounds{{"2", "2"}};
                                   })},
        {"Cut : SET [1:2]", with(attribute("Cut", ""), [](auto& a) { a.isSet = true, a.maxCard = "2"; })},
        {"Cut : BAG", with(attribute("Cut", ""), [](auto& a) { a.isSet = true, a.minCard = "0", a.maxCard = ""; }),
         kBagMessage},
        {"Cut : OPTIONAL", with(attribute("Cut", ""), [](auto& a) { a.isOptional = true, a.minCard = "0"; })},
        {"Cut :", attribute("Cut", "")},
        {"INVERSE Cut : IfcX FOR", attribute("Cut", "IfcX")},
    };
    for (const AttributeCase& c : cases) {
        ExpressSchema schema;
        std::string output = parseText(schema, "ENTITY IfcE;\n " + c.declaration);
        EXPECT_EQ(output, c.output) << c.declaration;
        const ExpressEntity& entity = *schema.entities.at("IfcE");
        ASSERT_EQ(entity.attributes.size(), 1u) << c.declaration;
        expectSame(entity.attributes[0], c.expected, c.declaration);
    }
}

TEST(Attribute, StatementsThatDeclareNoAttribute) {
    for (const std::string declaration :
         {"Name:IfcLabel;", "SELF\\IfcY.Name : IfcLabel;", "Name IfcLabel;", "DERIVE Dim : INTEGER := 3;",
          "INVERSE SELF\\IfcY.Back : IfcZ FOR Other;", "WHERE WR1 : SELF > 0;", "Name;"}) {
        ExpressSchema schema;
        parseText(schema, entityText("IfcE;", declaration));
        EXPECT_TRUE(schema.entities.at("IfcE")->attributes.empty()) << declaration;
        EXPECT_TRUE(schema.propertyNameCount.empty()) << declaration;
    }
}

TEST(Attribute, BagMessageIsPrintedOncePerAttribute) {
    ExpressSchema schema;
    std::string output = parseText(schema, entityText("IfcE;", " A : BAG OF IfcX;\n B : BAG [1:?] OF BAG OF IfcX;"));
    EXPECT_EQ(output, std::string(kBagMessage) + kBagMessage);
}

TEST(Attribute, ThousandsOfNestedLevelsAreReadInALoop) {
    std::string declaration = "Deep : ";
    const int levels = 20000;
    for (int i = 0; i < levels; ++i) declaration += i % 2 ? "ARRAY [1:2] OF " : "LIST [0:?] OF UNIQUE ";
    declaration += "IfcX;";
    ExpressSchema schema;
    parseText(schema, entityText("IfcE;", declaration));
    const ExpressAttribute& deep = schema.entities.at("IfcE")->attributes.at(0);
    EXPECT_TRUE(deep.isList);
    EXPECT_FALSE(deep.isArray);
    ASSERT_EQ(deep.listBounds.size(), static_cast<std::size_t>(levels));
    EXPECT_EQ(deep.listBounds[0], std::make_pair(std::string("0"), std::string()));
    EXPECT_EQ(deep.listBounds[1], std::make_pair(std::string("1"), std::string("2")));
    EXPECT_EQ(deep.targetType, "IfcX");

    std::string unfinished = "Deep : ";
    for (int i = 0; i < levels; ++i) unfinished += "LIST OF ";
    ExpressSchema cut;
    parseText(cut, "ENTITY IfcE;\n" + unfinished);
    const ExpressAttribute& open = cut.entities.at("IfcE")->attributes.at(0);
    EXPECT_EQ(open.listBounds.size(), static_cast<std::size_t>(levels));
    EXPECT_EQ(open.targetType, "");
}

}  // namespace
