#include "cli/instances_options.h"

#include <gtest/gtest.h>

namespace {

TEST(InstancesOptions, ReadsEveryOption) {
    InstancesOptions o;
    std::string error;
    ASSERT_TRUE(readInstancesOptions({"--schema", "s.exp", "--uri", "https://u", "--base", "https://b#", "-o", "x.nt",
                                      "--format", "turtle", "-q", "--progress", "--force", "m.ifc"},
                                     o, error))
        << error;
    EXPECT_EQ(o.model, "m.ifc");
    EXPECT_EQ(o.schemaFile, "s.exp");
    EXPECT_EQ(o.ontologyUri, "https://u");
    EXPECT_EQ(o.base, "https://b#");
    EXPECT_EQ(o.output, "x.nt");
    EXPECT_EQ(o.format, "turtle");
    EXPECT_TRUE(o.quiet && o.progress && o.force);
}

TEST(InstancesOptions, RefusesUsageErrorsWithAReason) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"m.ifc"},
        {"--schema", "s.exp"},
        {"--schema"},
        {"--schema", "s.exp", "--format", "rdfxml", "m.ifc"},
        {"--schema", "s.exp", "--colour", "m.ifc"},
        {"--schema", "s.exp", "a.ifc", "b.ifc"},
    };
    for (const auto& args : cases) {
        InstancesOptions o;
        std::string error;
        EXPECT_FALSE(readInstancesOptions(args, o, error)) << args.size();
        EXPECT_FALSE(error.empty());
    }
    InstancesOptions help;
    std::string error;
    EXPECT_TRUE(readInstancesOptions({"--help"}, help, error));
    EXPECT_TRUE(help.help);
}

TEST(InstancesOptions, DerivesTheBaseFromTheModelsFileName) {
    EXPECT_EQ(defaultInstanceBase("/data/AC20-FZK-Haus.ifc"), "http://sartell.example.org/models/AC20-FZK-Haus#");
    EXPECT_EQ(defaultInstanceBase("my model#1.ifc"), "http://sartell.example.org/models/my%20model%231#");
}

TEST(InstancesOptions, TakesTheFormatFromTheOutputAndTheOutputFromTheModel) {
    struct Case {
        const char* output;
        const char* format;
        const char* wantOutput;
        const char* wantFormat;
    };
    const Case cases[] = {{"", "", "house.ttl", "turtle"},
                          {"", "ntriples", "house.nt", "ntriples"},
                          {"out.nt", "", "out.nt", "ntriples"},
                          {"out.NT", "", "out.NT", "ntriples"},
                          {"out.txt", "", "out.txt", "turtle"},
                          {"-", "", "-", "turtle"},
                          {"out.ttl", "ntriples", "out.ttl", "ntriples"}};
    for (const Case& c : cases) {
        InstancesOptions o;
        o.model = "/somewhere/house.ifc";
        o.output = c.output;
        o.format = c.format;
        applyOutputDefaults(o);
        EXPECT_EQ(o.output, c.wantOutput) << c.output << " " << c.format;
        EXPECT_EQ(o.format, c.wantFormat) << c.output << " " << c.format;
    }
}

}  // namespace
