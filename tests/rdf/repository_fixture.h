#pragma once
// Small ontology files for the repository and manager tests.
#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <string>
#include <vector>

#include "test_support.h"

namespace repositoryfixture {

// An RDF/XML ontology with the given URI and imports, optionally stating one class.
inline std::string ontologyXml(const std::string& uri, const std::vector<std::string>& imports = {},
                               bool withClass = false) {
    std::string text =
        "<?xml version=\"1.0\"?>\n"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"\n"
        "         xmlns:owl=\"http://www.w3.org/2002/07/owl#\"\n"
        "         xmlns:ex=\"http://example.org/terms#\">\n"
        "  <owl:Ontology rdf:about=\"" +
        uri + "\">\n";
    for (const std::string& imported : imports) text += "    <owl:imports rdf:resource=\"" + imported + "\"/>\n";
    text += "  </owl:Ontology>\n";
    if (withClass) text += "  <owl:Class rdf:about=\"" + uri + "#Wall\"/>\n";
    text += "  <rdf:Description rdf:about=\"" + uri + "#thing\"><ex:size>3</ex:size></rdf:Description>\n";
    text += "</rdf:RDF>\n";
    return text;
}

// Writes content to folder/relativePath, creating the folders on the way.
inline void put(const std::string& folder, const std::string& relativePath, const std::string& content) {
    const boost::filesystem::path file = boost::filesystem::path(folder) / relativePath;
    boost::filesystem::create_directories(file.parent_path());
    testsupport::writeFile(file.string(), content);
}

inline bool exists(const std::string& folder, const std::string& relativePath) {
    return boost::filesystem::exists(boost::filesystem::path(folder) / relativePath);
}

inline std::string read(const std::string& folder, const std::string& relativePath) {
    return testsupport::readFile((boost::filesystem::path(folder) / relativePath).string());
}

inline std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++found;
    return found;
}

// Names of the files directly in folder.
inline std::vector<std::string> listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : boost::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace repositoryfixture
