#pragma once
// Running whole conversions into fresh repositories and reading what they wrote.
#include <string>
#include <vector>

#include "test_support.h"

namespace e2e {

// The example schema the project ships.
inline const std::string exampleSchema = std::string(SARTELL_SOURCE_DIR) + "/examples/example.exp";

struct Conversion {
    testsupport::TempDir repository;
    testsupport::RunResult run;
    std::string file(const std::string& name) const { return repository.file(name); }
    bool has(const std::string& name) const;
    // Lines of standard output.
    std::vector<std::string> lines() const;
};

// Copies the schema into a fresh repository and converts it with the arguments after the repository path.
void convert(Conversion& c, const std::string& schemaPath, const std::string& ontologyUri,
             const std::vector<std::string>& switches);

// The file's content without the line(s) of the serialization comment, which carry the time.
std::string withoutTimeStamp(const std::string& content);

// rapper parses the RDF/XML file without error.
bool rapperParses(const std::string& path);

// The owlcheck launcher (../shared/tools/owlcheck/run.sh) when it can run here: the tool, java and the OWL API
// are there and SARTELL_SKIP_OWLCHECK is unset. Empty otherwise.
std::string owlcheckLauncher();

// Files of the folder (names only), sorted.
std::vector<std::string> listFiles(const std::string& folder);

}  // namespace e2e
