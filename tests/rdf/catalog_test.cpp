#include "rdf/catalog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "rdf/atomic_file.h"
#include "repository_fixture.h"
#include "test_support.h"

using RdfCpp::Catalog;
using namespace repositoryfixture;

TEST(XmlEscape, MakesAttributeValuesSafe) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"http://example.org/IFC4", "http://example.org/IFC4"},
        {"a&b", "a&amp;b"},
        {"<x>", "&lt;x&gt;"},
        {"say \"hi\" 'there'", "say &quot;hi&quot; &apos;there&apos;"},
        {"&amp;", "&amp;amp;"},
        {"tab\tline\ncr\r", "tab&#9;line&#10;cr&#13;"},
        {std::string("bell\x07", 5), "bell"},
        {"caf\xc3\xa9", "caf\xc3\xa9"},
    };
    for (const auto& c : cases) EXPECT_EQ(RdfCpp::xmlEscape(c.in), c.out) << c.in;
}

TEST(Catalog, WritesEntriesInKeyOrderInTheOasisLayout) {
    Catalog catalog;
    catalog.entries["http://example.org/b"] = "b.owl";
    catalog.entries["file:a.owl"] = "a.owl";
    EXPECT_EQ(catalog.text(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
              "<catalog prefer=\"public\" xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
              "    <uri id=\"User Entered Import Resolution\" name=\"file:a.owl\" uri=\"a.owl\"/>\n"
              "    <uri id=\"User Entered Import Resolution\" name=\"http://example.org/b\" uri=\"b.owl\"/>\n"
              "</catalog>\n"
              "\n");
}

TEST(Catalog, EscapedEntriesReadBackUnchanged) {
    testsupport::TempDir dir;
    Catalog written;
    written.entries["http://example.org/q?a=1&b=<2>"] = "dir \"x\"/it's.owl";
    written.entries["file:plain.owl"] = "plain.owl";
    std::string error;
    ASSERT_TRUE(written.write(dir.file("catalog-v001.xml"), error)) << error;

    Catalog read;
    ASSERT_TRUE(read.read(dir.file("catalog-v001.xml"), error)) << error;
    EXPECT_EQ(read.entries, written.entries);
}

TEST(Catalog, ReadKeepsOnlyCompleteUriElementsUnderTheRoot) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("catalog-v001.xml"),
                           "<?xml version=\"1.0\"?>\n"
                           "<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
                           "  <uri name=\"http://example.org/kept\" uri=\"kept.owl\"/>\n"
                           "  <uri name=\"no-target\"/>\n"
                           "  <group><uri name=\"nested\" uri=\"nested.owl\"/></group>\n"
                           "  <system name=\"other\" uri=\"other.owl\"/>\n"
                           "</catalog>\n");
    Catalog catalog;
    std::string error;
    EXPECT_TRUE(catalog.read(dir.file("catalog-v001.xml"), error));
    EXPECT_EQ(catalog.entries, (std::map<std::string, std::string>{{"http://example.org/kept", "kept.owl"}}));
}

TEST(Catalog, MissingFileIsNoErrorAndBrokenFileIsReported) {
    testsupport::TempDir dir;
    Catalog catalog;
    std::string error;
    EXPECT_TRUE(catalog.read(dir.file("absent.xml"), error));
    EXPECT_TRUE(error.empty());

    testsupport::writeFile(dir.file("broken.xml"), "<catalog><uri name=\"a\" uri=\"b\"");
    EXPECT_FALSE(catalog.read(dir.file("broken.xml"), error));
    EXPECT_NE(error.find("broken.xml"), std::string::npos) << error;
    EXPECT_TRUE(catalog.entries.empty());
}

TEST(AtomicFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("out.owl"), "old");
    std::string error;
    ASSERT_TRUE(RdfCpp::writeTextAtomically(dir.file("out.owl"), "new", error)) << error;
    EXPECT_EQ(testsupport::readFile(dir.file("out.owl")), "new");
    EXPECT_EQ(listing(dir.path()), std::vector<std::string>{"out.owl"});
}

TEST(AtomicFile, FailedWriteKeepsTheOldFile) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("out.owl"), "old content");
    std::string error;
    // The writer gets halfway, then fails.
    const bool ok = RdfCpp::replaceFileAtomically(
        dir.file("out.owl"),
        [](const std::string& temp) {
            testsupport::writeFile(temp, "half");
            return false;
        },
        error);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(testsupport::readFile(dir.file("out.owl")), "old content");
    EXPECT_EQ(listing(dir.path()), std::vector<std::string>{"out.owl"});
}

TEST(AtomicFile, NeverReplacesWhatIsNoRegularFile) {
    testsupport::TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("pipe.owl").c_str(), 0600), 0);
    ASSERT_EQ(mkdir(dir.file("folder.owl").c_str(), 0700), 0);
    for (const char* name : {"pipe.owl", "folder.owl"}) {
        std::string error;
        EXPECT_FALSE(RdfCpp::writeTextAtomically(dir.file(name), "x", error)) << name;
        EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    }
    struct stat status;
    ASSERT_EQ(stat(dir.file("pipe.owl").c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(listing(dir.path()), (std::vector<std::string>{"folder.owl", "pipe.owl"}));
}

TEST(AtomicFile, MissingFolderIsReportedNotThrown) {
    testsupport::TempDir dir;
    std::string error;
    EXPECT_FALSE(RdfCpp::writeTextAtomically(dir.file("no/such/folder/out.owl"), "x", error));
    EXPECT_NE(error.find("out.owl"), std::string::npos) << error;
}

TEST(AtomicFile, KeepsThePermissionsAPlainWriteWouldGive) {
    testsupport::TempDir dir;
    const mode_t previous = umask(022);
    std::string error;
    ASSERT_TRUE(RdfCpp::writeTextAtomically(dir.file("new.owl"), "x", error)) << error;
    testsupport::writeFile(dir.file("old.owl"), "x");
    chmod(dir.file("old.owl").c_str(), 0640);
    ASSERT_TRUE(RdfCpp::writeTextAtomically(dir.file("old.owl"), "y", error)) << error;
    umask(previous);

    struct stat status;
    ASSERT_EQ(stat(dir.file("new.owl").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
    ASSERT_EQ(stat(dir.file("old.owl").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(Catalog, EntriesOfOtherToolsSurviveAMerge) {
    testsupport::TempDir dir;
    const std::string file = dir.file("catalog-v001.xml");
    testsupport::writeFile(
        file,
        "<?xml version=\"1.0\"?>\n"
        "<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
        "  <!-- kept by hand -->\n"
        "  <uri name=\"http://example.org/kept\" uri=\"kept.owl\"/>\n"
        "  <group xml:base=\"sub/\"><uri name=\"http://example.org/nested\" uri=\"n.owl\"/></group>\n"
        "  <rewriteURI uriStartString=\"http://example.org/x/\" rewritePrefix=\"x/\"/>\n"
        "  <nextCatalog catalog=\"more.xml\"/>\n"
        "</catalog>\n");
    std::string error;
    for (int merge = 0; merge < 2; ++merge) {
        Catalog catalog;
        ASSERT_TRUE(catalog.read(file, error)) << error;
        catalog.entries["http://example.org/new"] = "new.owl";
        ASSERT_TRUE(catalog.write(file, error)) << error;
    }
    const std::string text = testsupport::readFile(file);
    for (const char* kept : {"<!-- kept by hand -->", "<group xml:base=\"sub/\">",
                             "<uri name=\"http://example.org/nested\" uri=\"n.owl\" />", "</group>",
                             "<rewriteURI uriStartString=\"http://example.org/x/\" rewritePrefix=\"x/\" />",
                             "<nextCatalog catalog=\"more.xml\" />",
                             "name=\"http://example.org/kept\" uri=\"kept.owl\"", "name=\"http://example.org/new\""})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    // Each foreign element once: the second merge did not copy them again.
    EXPECT_EQ(text.find("<nextCatalog"), text.rfind("<nextCatalog")) << text;
}

TEST(Catalog, APathThatIsAFolderIsReported) {
    testsupport::TempDir dir;
    mkdir(dir.file("catalog-v001.xml").c_str(), 0700);
    Catalog catalog;
    std::string error;
    EXPECT_FALSE(catalog.read(dir.file("catalog-v001.xml"), error));
    EXPECT_EQ(error, dir.file("catalog-v001.xml") + " is not a file");
}
