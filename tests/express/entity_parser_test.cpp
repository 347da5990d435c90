#include "express/entity_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "express_test_helpers.h"

namespace {

using expresstest::entityText;
using expresstest::parseText;
using Names = std::vector<std::string>;
using Bounds = std::vector<std::pair<std::string, std::string>>;

struct HeaderCase {
    std::string header;
    Names supertypes;
    Names subtypes;
    bool isAbstract;
    bool isOneOf;
};

TEST(EntityHeader, ClausesAreReadFromTheHeaderStatement) {
    const std::vector<HeaderCase> cases = {
        {"IfcRoot;", {}, {}, false, false},
        {"IfcActor\n SUPERTYPE OF (ONEOF\n    (IfcOccupant))\n SUBTYPE OF (IfcObject);",
         {"IfcObject"},
         {"IfcOccupant"},
         false,
         true},
        {"IfcObject\n ABSTRACT SUPERTYPE OF (ONEOF\n\t(IfcActor\n\t,IfcControl\n\t,IfcGroup))\n SUBTYPE OF "
         "(IfcObjectDefinition);",
         {"IfcObjectDefinition"},
         {"IfcActor", "IfcControl", "IfcGroup"},
         true,
         true},
        {"IfcWall\n SUBTYPE OF (IfcBuildingElement);", {"IfcBuildingElement"}, {}, false, false},
        {"IfcX SUBTYPE OF(IfcA, IfcB);", {"IfcA", "IfcB"}, {}, false, false},
        {"IfcX SUBTYPE OF (IfcA) SUPERTYPE OF (IfcB);", {"IfcA"}, {"IfcB"}, false, false},
        {"IfcX ABSTRACT SUPERTYPE OF (IfcA);", {}, {"IfcA"}, true, false},
        {"IfcX ABSTRACT;", {}, {}, false, false},  // "ABSTRACT;" is not the word ABSTRACT
        {"IfcX SUPERTYPE OF (IfcA ANDOR IfcB);", {}, {"IfcA", "ANDOR", "IfcB"}, false, false},
        // An attribute on the header's line ends the header scan.
        {"IfcX Name : IfcLabel;", {}, {}, false, false},
        {"IfcX SUBTYPE OF (IfcA) Name : IfcLabel;", {"IfcA", "Name", ":", "IfcLabel"}, {}, false, false},
    };
    for (const HeaderCase& c : cases) {
        ExpressSchema schema;
        parseText(schema, entityText(c.header, ""));
        ASSERT_EQ(schema.entities.size(), 1u) << c.header;
        const ExpressEntity& entity = *schema.entities.begin()->second;
        EXPECT_EQ(entity.supertypes, c.supertypes) << c.header;
        EXPECT_EQ(entity.subtypes, c.subtypes) << c.header;
        EXPECT_EQ(entity.isAbstract, c.isAbstract) << c.header;
        EXPECT_EQ(entity.isOneOf, c.isOneOf) << c.header;
        EXPECT_TRUE(entity.attributes.empty()) << c.header;
    }
}

TEST(EntityHeader, NameLosesItsSemicolon) {
    ExpressSchema schema;
    parseText(schema, "ENTITY IfcRoot;\nEND_ENTITY;\n");
    ASSERT_EQ(schema.entities.count("IfcRoot"), 1u);
    EXPECT_EQ(schema.entities.at("IfcRoot")->name, "IfcRoot");
    EXPECT_EQ(schema.entities.at("IfcRoot")->comment, "");
}

TEST(EntityHeader, DeclarationWithoutANameIsDropped) {
    for (const std::string content : {"ENTITY", "ENTITY\n;\nEND_ENTITY;", "ENTITY ;\n A : B;\nEND_ENTITY;"}) {
        ExpressSchema schema;
        parseText(schema, content);
        EXPECT_TRUE(schema.entities.empty()) << content;
        EXPECT_TRUE(schema.propertyNameCount.empty()) << content;
    }
}

TEST(EntityBody, SectionsDecideWhatAStatementIs) {
    ExpressSchema schema;
    parseText(schema, entityText("IfcX;",
                                 "  Name : IfcLabel;\n"
                                 "  SELF\\IfcY.Other : IfcLabel;\n"
                                 "  Width : REAL;\n"
                                 " DERIVE\n"
                                 "  Dim : IfcDimensionCount := 3;\n"
                                 " INVERSE\n"
                                 "  SELF\\IfcY.Back : IfcZ FOR Other;\n"
                                 "  Users : SET [0:?] OF IfcZ FOR Used;\n"
                                 "  Owner : IfcW FOR Owned;\n"
                                 " UNIQUE\n"
                                 "  UR1 : Name;\n"
                                 " WHERE\n"
                                 "  WR1 : SIZEOF(Users) > 0;\n"
                                 "  WR2: EXISTS(Name);\n"
                                 "  SELF\\IfcY.WR3 : TRUE;\n"
                                 "  WR1 : Width > 0;"));
    const ExpressEntity& entity = *schema.entities.at("IfcX");
    Names names;
    for (const ExpressAttribute& attribute : entity.attributes) names.push_back(attribute.name);
    EXPECT_EQ(names, (Names{"Name", "Width", "Users", "Owner"}));
    EXPECT_EQ(entity.attributes[0].inverseOf, "");
    EXPECT_EQ(entity.attributes[2].inverseOf, "Used");
    EXPECT_EQ(entity.attributes[3].inverseOf, "Owned");
    EXPECT_EQ(entity.uniqueRules, (std::map<std::string, std::string>{{"UR1", ": Name; "}}));
    EXPECT_EQ(entity.whereRules,
              (std::map<std::string, std::string>{{"WR1", ": Width > 0; "}, {"WR2:", "EXISTS(Name); "}}));
    EXPECT_EQ(schema.propertyNameCount,
              (std::map<std::string, int>{{"Name", 1}, {"Owner", 1}, {"Users", 1}, {"Width", 1}}));
}

TEST(EntityBody, PropertyNamesAreCountedOverAllEntities) {
    ExpressSchema schema;
    parseText(schema, entityText("IfcA;", " Name : IfcLabel;\n Tag : IfcLabel;") +
                          entityText("IfcB;", " Name : OPTIONAL IfcLabel;\nINVERSE\n Tag : IfcA FOR X;"));
    EXPECT_EQ(schema.propertyNameCount, (std::map<std::string, int>{{"Name", 2}, {"Tag", 2}}));
}

TEST(EntityBody, MissingEndEntityRunsOnIntoLaterDeclarations) {
    ExpressSchema schema;
    parseText(schema,
              "ENTITY IfcA;\n X : IfcLabel;\nENTITY IfcB;\n Y : IfcLabel;\nEND_ENTITY;\n"
              "ENTITY IfcC;\n Z : IfcLabel;\nEND_ENTITY ;\nENTITY IfcD;\nEND_ENTITY;\n");
    EXPECT_EQ(schema.entities.count("IfcB"), 0u);
    ASSERT_EQ(schema.entities.at("IfcA")->attributes.size(), 2u);
    EXPECT_EQ(schema.entities.at("IfcA")->attributes[1].name, "Y");
    // END_ENTITY with a blank before ";" is not recognised, so IfcD is read as part of IfcC.
    EXPECT_EQ(schema.entities.count("IfcD"), 0u);
    EXPECT_EQ(schema.entities.at("IfcC")->attributes.size(), 1u);
}

TEST(EntityBody, LaterDeclarationOfTheSameNameWins) {
    ExpressSchema schema;
    parseText(schema, "REFERENCE FROM other (IfcA); (* from other *)\n" + entityText("IfcA;", " First : X;") +
                          entityText("IfcA;", " Second : X;") + "TYPE IfcA = REAL;\nEND_TYPE;\n");
    ASSERT_EQ(schema.entities.size(), 1u);
    const ExpressEntity& entity = *schema.entities.at("IfcA");
    ASSERT_EQ(entity.attributes.size(), 1u);
    EXPECT_EQ(entity.attributes[0].name, "Second");
    EXPECT_EQ(entity.comment, "");
    EXPECT_EQ(schema.definedTypes.count("IfcA"), 1u);
}

TEST(EntityMap, NamesSortByteWise) {
    ExpressSchema schema;
    parseText(schema, entityText("Ifcfoo;", "") + entityText("IfcAB;", "") + entityText("IfcZone;", "") +
                          entityText("IfcA;", ""));
    Names order;
    for (const auto& entry : schema.entities) order.push_back(entry.first);
    EXPECT_EQ(order, (Names{"IfcA", "IfcAB", "IfcZone", "Ifcfoo"}));
}

}  // namespace
