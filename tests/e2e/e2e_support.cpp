#include "e2e_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <cstdlib>
#include <sstream>

namespace e2e {

bool Conversion::has(const std::string& name) const {
    struct stat st;
    return stat(file(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> Conversion::lines() const {
    std::vector<std::string> all;
    std::istringstream in(run.output);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

void convert(Conversion& c, const std::string& schemaPath, const std::string& ontologyUri,
             const std::vector<std::string>& switches) {
    std::string name = boost::filesystem::path(schemaPath).filename().string();
    testsupport::writeFile(c.file(name), testsupport::readFile(schemaPath));
    std::vector<std::string> args = {name, "out.owl", ontologyUri, c.repository.path()};
    args.insert(args.end(), switches.begin(), switches.end());
    c.run = testsupport::runSartell(args);
}

std::string withoutTimeStamp(const std::string& content) {
    std::istringstream in(content);
    std::ostringstream out;
    bool inComment = false;
    for (std::string line; std::getline(in, line);) {
        if (line.find("Serialized using C++ RDF") != std::string::npos) inComment = true;
        if (!inComment) out << line << '\n';
        // asctime ends the comment's text with a line feed, so the literal closes on the next line.
        if (inComment && line.find("</rdfs:comment>") != std::string::npos) inComment = false;
    }
    return out.str();
}

bool rapperParses(const std::string& path) {
    std::string command = "rapper -q -i rdfxml -c '" + path + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::vector<std::string> listFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& entry : boost::filesystem::directory_iterator(folder))
        if (boost::filesystem::is_regular_file(entry.status())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string owlcheckLauncher() {
    const std::string launcher = std::string(SARTELL_SOURCE_DIR) + "/../shared/tools/owlcheck/run.sh";
    if (std::getenv("SARTELL_SKIP_OWLCHECK")) return std::string();
    struct stat st;
    if (stat(launcher.c_str(), &st) != 0 || stat("/usr/share/java/owlapi-api.jar", &st) != 0) return std::string();
    if (std::system("command -v java >/dev/null 2>&1 && command -v javac >/dev/null 2>&1") != 0) return std::string();
    return launcher;
}

}  // namespace e2e
