#include "express/name_lookup.h"

#include <gtest/gtest.h>

namespace {

TEST(NameLookup, ExactSpellingFirstThenAnyCase) {
    const std::map<std::string, int> names = {{"IFCWALL", 1}, {"IfcWall", 2}, {"IfcWallType", 3}, {"ifcwall_", 4}};
    struct Case {
        const char* name;
        int found;  // 0: none
    } cases[] = {{"IfcWall", 2}, {"IFCWALL", 1}, {"ifcWall", 1}, {"IFCWALLTYPE", 3}, {"IfcWal", 0}, {"", 0}};
    for (const Case& c : cases) {
        auto it = findName(names, c.name);
        EXPECT_EQ(it == names.end() ? 0 : it->second, c.found) << c.name;
        EXPECT_EQ(declares(names, c.name), c.found != 0) << c.name;
    }
    EXPECT_EQ(declaredName(names, "ifcwalltype"), "IfcWallType");
    EXPECT_EQ(declaredName(names, "IfcDoor"), "IfcDoor");
    EXPECT_FALSE(sameName("Ifc_Wall", "Ifc-Wall"));
    EXPECT_TRUE(sameName("Assigneditems", "AssignedItems"));
}

TEST(NameLookup, InverseTargetsAreNamedAsDeclared) {
    ExpressSchema schema;
    ExpressAttribute forward;
    forward.name = "AssignedItems";
    schema.addEntity("IfcPresentationLayerAssignment").attributes = {forward};
    ExpressAttribute inverse;
    inverse.targetType = "IfcPresentationLayerassignment";
    inverse.inverseOf = "Assigneditems";
    EXPECT_EQ(forwardAttribute(schema, inverse), &schema.entities["IfcPresentationLayerAssignment"]->attributes[0]);
    EXPECT_EQ(declaredInverseTarget(schema, inverse),
              (std::pair<std::string, std::string>{"AssignedItems", "IfcPresentationLayerAssignment"}));

    inverse.inverseOf = "Unknown";
    EXPECT_EQ(forwardAttribute(schema, inverse), nullptr);
    EXPECT_EQ(declaredInverseTarget(schema, inverse).first, "Unknown");
    inverse.targetType = "IfcMissing";
    EXPECT_EQ(declaredInverseTarget(schema, inverse), (std::pair<std::string, std::string>{"Unknown", "IfcMissing"}));
}

}  // namespace
