#include "cli/output_files.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem/operations.hpp>
#include <vector>

#include "owlgen/ontology_header.h"
#include "owlgen/ontology_iris.h"
#include "rdf/application_directory.h"
#include "rdf/catalog.h"
#include "rdf/file_naming.h"
#include "rdf/stored_ontology.h"

namespace fs = boost::filesystem;

namespace {

struct Planned {
    std::string file;  // relative to the repository folder
    std::string iri;
};

// The catalog's IRI for a file, if it maps one to it.
std::string catalogIriOf(const RdfCpp::Catalog& catalog, const std::string& file) {
    for (const auto& entry : catalog.entries) {
        if (entry.second == file && entry.first.compare(0, 5, "file:") != 0) return entry.first;
    }
    return std::string();
}

}  // namespace

std::string schemaOntologyFileName(const ConversionSettings& settings) {
    const std::string name = settings.ontologyFileName.empty()
                                 ? RdfCpp::newGraphFileName(RdfCpp::uriFileStem(settings.ontologyUri), false)
                                 : settings.ontologyFileName;
    return RdfCpp::withFormatExtension(name, settings.serializationFormat);
}

std::string rulesOntologyFileName(const ConversionSettings& settings) {
    if (!settings.ontologyFileName.empty()) {
        const fs::path name(schemaOntologyFileName(settings));
        return (name.parent_path() / (name.stem().string() + "_rules" + name.extension().string())).string();
    }
    return RdfCpp::withFormatExtension(
        RdfCpp::newGraphFileName(RdfCpp::uriFileStem(settings.ontologyUri + "_rules"), false),
        settings.serializationFormat);
}

std::string outputFileClash(const ConversionSettings& settings) {
    std::vector<Planned> planned = {{schemaOntologyFileName(settings), settings.ontologyUri}};
    if (settings.whereRuleExpressions && isIfcOntologyUri(settings.ontologyUri))
        planned.push_back({rulesOntologyFileName(settings), settings.ontologyUri + "_rules"});

    const std::string extension = RdfCpp::formatFileExtension(settings.serializationFormat);
    const struct {
        std::string file, what;
    } reserved[] = {
        {RdfCpp::uriFileStem(OntologyIris::expressVocabularyIri) + ".owl", "the EXPRESS vocabulary ontology"},
        {RdfCpp::uriFileStem(OntologyIris::listVocabularyIri) + ".owl", "the list vocabulary ontology"},
        {RdfCpp::uriFileStem(OntologyIris::expressVocabularyIri) + extension, "the EXPRESS vocabulary ontology"},
        {RdfCpp::uriFileStem(OntologyIris::listVocabularyIri) + extension, "the list vocabulary ontology"},
        {"catalog-v001.xml", "the repository catalog"},
        {".catalog-v001.xml.lock", "the catalog's lock file"},
    };
    const fs::path folder(anchoredAtApplication(settings.repositoryPath));
    RdfCpp::Catalog catalog;
    std::string catalogError;
    const fs::path catalogFile = folder / "catalog-v001.xml";
    boost::system::error_code ec;
    if (!catalog.read(catalogFile.string(), catalogError) && fs::exists(catalogFile, ec) &&
        !fs::is_regular_file(catalogFile, ec))
        return "the catalog cannot be written: " + catalogError;

    for (const Planned& output : planned) {
        if (output.file.empty()) return "the ontology IRI " + output.iri + " gives no file name";
        for (const auto& taken : reserved) {
            if (boost::iequals(fs::path(output.file).filename().string(), taken.file))
                return "the ontology file " + output.file + " would replace " + taken.what;
        }
        const std::string mapped = catalogIriOf(catalog, output.file);
        if (!mapped.empty() && mapped != output.iri)
            return "the ontology file " + output.file + " would replace the ontology " + mapped +
                   " that the catalog maps to it";
        const fs::path existing = folder / output.file;
        if (fs::exists(existing, ec) && !fs::is_regular_file(existing, ec))
            return "the ontology file " + existing.string() + " exists and is not a file";
        if (!fs::is_regular_file(existing, ec)) continue;
        const std::string stored = RdfCpp::storedOntologyIri(existing.string());
        if (!stored.empty() && stored != output.iri)
            return "the ontology file " + existing.string() + " holds the ontology " + stored + ", not " + output.iri;
    }
    return std::string();
}
