#include "cli/ontology_command.h"

#include <boost/filesystem/operations.hpp>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "cli/command_line.h"
#include "cli/console_filter.h"
#include "cli/option_parser.h"
#include "cli/schema_conversion.h"
#include "owlgen/ontology_iris.h"
#include "owlgen/sartell_version.h"
#include "rdf/file_naming.h"
#include "rdf/iri_syntax.h"
#include "rdf/namespace_prefix.h"

namespace fs = boost::filesystem;

namespace {

const char* const help =
    "Usage: sartell ontology [options] SCHEMA.exp\n"
    "Converts an EXPRESS schema into an OWL ontology (RDF/XML, Turtle or N-Triples) in a repository folder,\n"
    "with the shared EXPRESS and list vocabulary ontologies and a catalog-v001.xml that resolves the imports\n"
    "locally.\n"
    "\n"
    "  -d, --dir DIR            repository folder to write into (default: current folder; created if missing)\n"
    "      --uri IRI            ontology IRI (default for a schema file named after an IFC release: the\n"
    "                           published pattern, IFC4_ADD2_TC1.exp gives\n"
    "                           https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL; any other\n"
    "                           file name needs --uri)\n"
    "      --name FILE          ontology file name (default: the schema file's name with .owl,\n"
    "                           or .ttl / .nt after --format)\n"
    "      --version-iri IRI    owl:versionIRI (default: the ontology IRI)\n"
    "      --import-base IRI    base IRI for classes of schemas named in REFERENCE/USE\n"
    "                           (default: http://sartell.example.org/)\n"
    "      --rules              also write the rules ontology (IFC schemas: class expressions of WHERE rules)\n"
    "      --list-cardinality   restriction chains for LIST/ARRAY bounds\n"
    "      --self-contained     no shared vocabulary ontologies: every term in the schema ontology\n"
    "      --fresh-vocabulary   write the repository's express.owl (and a broken list.owl) anew\n"
    "      --creator TEXT       dc:creator of the ontology (repeatable)\n"
    "      --license IRI        licence of the ontology\n"
    "      --title TEXT         dc:title of the ontology\n"
    "      --date TEXT          dc:date of the ontology\n"
    "      --prefix NAME        namespace prefix of the ontology's terms\n"
    "      --format FORMAT      rdfxml (default), turtle or ntriples\n"
    "  -q, --quiet              print only errors\n"
    "  -v, --verbose            print the full progress report (on standard error)\n"
    "  -h, --help               print this help and exit\n"
    "      --version            print the version and exit\n"
    "\n"
    "Options may be written --opt VALUE or --opt=VALUE; \"--\" ends the options. Paths are relative to the\n"
    "current folder. Exit status: 0 every file written; 1 the schema could not be read or converted, or a\n"
    "file could not be written (earlier files are left as they were); 2 usage error.\n"
    "Example: sartell ontology -d repo IFC4_ADD2_TC1.exp\n";

ExitStatus usageError(const std::string& message) {
    std::cerr << "sartell ontology: " << message << " (see sartell ontology --help)" << std::endl;
    return exitUsage;
}

std::function<std::string(const std::string&)> iriInto(std::string& target) {
    return [&target](const std::string& value) {
        const std::string fault = RdfCpp::iriFault(value);
        if (!fault.empty()) return "\"" + value + "\" is not an IRI: " + fault;
        target = value;
        return std::string();
    };
}

std::function<std::string(const std::string&)> textInto(std::string& target) {
    return [&target](const std::string& value) {
        target = value;
        return std::string();
    };
}

bool isReleaseName(const std::string& stem) {
    if (stem.size() < 4 || stem.compare(0, 3, "IFC") != 0 || stem[3] < '0' || stem[3] > '9') return false;
    bool segmentEmpty = false;
    for (char c : stem) {
        if (c == '_') {
            if (segmentEmpty) return false;
            segmentEmpty = true;
            continue;
        }
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
        segmentEmpty = false;
    }
    return !segmentEmpty;
}

struct Options {
    ConversionSettings settings;
    std::string dir = ".";
    bool quiet = false, verbose = false, help = false, version = false;
};

OptionParser optionsParser(Options& o) {
    ConversionSettings& s = o.settings;
    OptionParser parser;
    parser.value("dir", 'd', [&o](const std::string& value) {
        if (value.empty()) return std::string("the folder name is empty");
        o.dir = value;
        return std::string();
    });
    parser.value("uri", 0, iriInto(s.ontologyUri));
    parser.value("name", 0, [&s](const std::string& value) {
        const fs::path name(value);
        if (value.empty() || name.has_parent_path() || value == "." || value == "..")
            return std::string("\"" + value + "\" is not a file name (use --dir for the folder)");
        s.ontologyFileName = value;
        return std::string();
    });
    parser.value("version-iri", 0, iriInto(s.ontologyVersionUri));
    parser.value("import-base", 0, iriInto(s.importBaseUri));
    parser.flag("rules", 0, [&s] { s.whereRuleExpressions = true; });
    parser.flag("list-cardinality", 0, [&s] { s.listCardinalityExpressions = true; });
    parser.flag("self-contained", 0, [&s] { s.adoptLdwgDecisions = false; });
    parser.flag("fresh-vocabulary", 0, [&s] { s.generateExpressOntology = true; });
    parser.value("creator", 0, [&s](const std::string& value) {
        s.creators.push_back(value);
        return std::string();
    });
    parser.value("license", 0, iriInto(s.licenseIri));
    parser.value("title", 0, textInto(s.title));
    parser.value("date", 0, textInto(s.date));
    parser.value("prefix", 0, [&s](const std::string& value) {
        if (!RdfCpp::isXmlPrefix(value)) return "\"" + value + "\" is not an XML namespace prefix";
        s.prefix = value;
        return std::string();
    });
    parser.value("format", 0, [&s](const std::string& value) {
        if (value != "rdfxml" && value != "turtle" && value != "ntriples")
            return "\"" + value + "\" is not one of rdfxml, turtle, ntriples";
        s.serializationFormat = value;
        return std::string();
    });
    parser.flag("quiet", 'q', [&o] { o.quiet = true; });
    parser.flag("verbose", 'v', [&o] { o.verbose = true; });
    parser.flag("help", 'h', [&o] { o.help = true; });
    parser.flag("version", 0, [&o] { o.version = true; });
    return parser;
}

void printSummary(std::ostream& out, const ConversionOutcome& outcome, double seconds) {
    char time[32];
    std::snprintf(time, sizeof time, "%.1f", seconds);
    out << "Wrote " << outcome.ontologyFile;
    if (!outcome.rulesFile.empty()) out << " and " << fs::path(outcome.rulesFile).filename().string();
    out << ": " << outcome.classes << " classes, " << outcome.properties << " properties, in " << time << " s";
    if (outcome.errorCount > 0) out << "; " << outcome.errorCount << " parts could not be converted (see -v)";
    out << std::endl;
}

}  // namespace

std::string defaultOntologyIri(const std::string& schemaFile) {
    const std::string stem = fs::path(schemaFile).stem().string();
    if (!isReleaseName(stem)) return std::string();
    // The release, then its addendum and corrigendum as one segment: IFC4/ADD2_TC1.
    std::string path = stem;
    const std::string::size_type underscore = path.find('_');
    if (underscore != std::string::npos) path[underscore] = '/';
    return OntologyIris::ifcOntologyBaseIri + "DEV/" + path + "/OWL";
}

ExitStatus runOntologyCommand(const std::vector<std::string>& args) {
    Options o;
    o.settings.importBaseUri = defaultImportBaseUri;
    std::vector<std::string> operands;
    std::string error;
    if (!optionsParser(o).parse(args, operands, error)) return usageError(error);
    if (o.help) {
        std::cout << help;
        return exitSuccess;
    }
    if (o.version) {
        std::cout << "sartell " << sartellVersion << std::endl;
        return exitSuccess;
    }
    if (operands.empty()) return usageError("missing SCHEMA.exp");
    if (operands.size() > 1) return usageError("unexpected argument \"" + operands[1] + "\"");

    ConversionSettings& s = o.settings;
    s.inputFile = operands[0];
    if (s.ontologyUri.empty()) s.ontologyUri = defaultOntologyIri(s.inputFile);
    if (s.ontologyUri.empty()) return usageError("no ontology IRI for " + s.inputFile + ": give one with --uri");
    const std::string iriError = normaliseOntologyIris(s);
    if (!iriError.empty()) return usageError(iriError);
    if (s.ontologyFileName.empty())
        s.ontologyFileName = fs::path(s.inputFile).stem().string() + RdfCpp::formatFileExtension(s.serializationFormat);
    fs::path folder = fs::absolute(o.dir).lexically_normal();
    while (folder.filename() == "." && folder.has_parent_path()) folder = folder.parent_path();
    s.repositoryPath = folder.string();
    if (s.ontologyVersionUri.empty()) s.ontologyVersionUri = s.ontologyUri;
    s.outputFile = s.ontologyFileName;

    std::ostream result(std::cout.rdbuf());
    const auto start = std::chrono::steady_clock::now();
    ConversionOutcome outcome;
    ExitStatus status;
    {
        ConsoleFilter toErrors(std::cout, std::cerr, o.verbose);
        status = convertSchemaFile(s, outcome);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (status == exitSuccess && !o.quiet) printSummary(result, outcome, elapsed.count());
    return status;
}
