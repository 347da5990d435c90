#include "cli/command_line.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem/path.hpp>

#include "rdf/switch_text.h"

const std::string defaultImportBaseUri = "http://sartell.example.org/";

namespace {

const std::string stars(80, '*');

std::string titleLine() {
    std::string line = " Sartell Converter " + std::string(8, '*') + " by Sartell Converter Team ";
    line.resize(80, '*');
    return line;
}

// The name is only echoed; an extension other than .owl or .rdf gets ".owl" so the echo names an ontology file.
std::string withOntologySuffix(const std::string& name) {
    std::string extension = boost::filesystem::path(name).filename().extension().string();
    if (boost::iequals(extension, ".OWL") || boost::iequals(extension, ".RDF")) return name;
    return name + ".owl";
}

}  // namespace

bool parseBooleanArgument(const std::string& text) { return switchFromText(text); }

void printBanner(std::ostream& out) {
    out << std::endl << std::endl << std::endl;
    out << stars << std::endl;
    out << titleLine() << std::endl;
    out << stars << std::endl;
    out << "Command line arguments: " << std::endl;
    out << "1. Input EXPRESS file" << std::endl;
    out << "2. Output ontology file" << std::endl;
    out << "3. Output Ontology URI" << std::endl;
    out << "4. Repository path as relative to the application path [default=\"\"]" << std::endl;
    out << "5. Add Class Expression for WHERE rules (0/1) [default=0]" << std::endl;
    out << "6. Add Class Expression for LIST cardinality constraints (0/1) [default=0]" << std::endl;
    out << "7. Adopt LDWG decisions (0/1) [default=1]" << std::endl;
    out << "8. Base URI for classes of imported EXPRESS schemas [default=" << defaultImportBaseUri << "]" << std::endl;
    out << "9. Generate EXPRESS ontology (0/1) [OPTIONAL, default=0]" << std::endl;
    out << "10. Output Ontology Version URI [default=Ontology URI]" << std::endl;
    out << stars << std::endl;
    out << std::endl;
}

bool readSettings(const std::vector<std::string>& args, ConversionSettings& settings, std::ostream& out) {
    if (args.empty()) {
        out << "ERROR: Input EXPRESS file not defined" << std::endl;
        return false;
    }
    settings.inputFile = args[0];
    if (args.size() < 2) {
        out << "ERROR: Output OWL file not defined" << std::endl;
        return false;
    }
    settings.outputFile = withOntologySuffix(args[1]);
    if (args.size() < 3) {
        out << "ERROR: Output Ontology URI not defined" << std::endl;
        return false;
    }
    settings.ontologyUri = args[2];
    if (args.size() > 3) settings.repositoryPath = args[3];
    if (args.size() > 4) settings.whereRuleExpressions = parseBooleanArgument(args[4]);
    if (args.size() > 5) settings.listCardinalityExpressions = parseBooleanArgument(args[5]);
    if (args.size() > 6) settings.adoptLdwgDecisions = parseBooleanArgument(args[6]);

    out << std::endl;
    if (args.size() > 7) {
        settings.importBaseUri = args[7];
    } else {
        settings.importBaseUri = defaultImportBaseUri;
        out << "Ontology URI for external schemas not defined. Default value will be used: " << defaultImportBaseUri
            << std::endl;
    }
    if (args.size() > 8) settings.generateExpressOntology = parseBooleanArgument(args[8]);
    out << std::endl;
    if (args.size() > 9) {
        settings.ontologyVersionUri = args[9];
    } else {
        settings.ontologyVersionUri = settings.ontologyUri;
        out << "WARNING: Ontology Version URI not defined. Default value will be used: " << settings.ontologyUri
            << std::endl;
    }
    return true;
}

std::string resolveInputPath(const std::string& repositoryPath, const std::string& inputFile) {
    // An absolute path names the file already; joining it to the repository would name a file nobody meant.
    if (boost::filesystem::path(inputFile).is_absolute())
        return boost::filesystem::path(inputFile).lexically_normal().string();
    boost::filesystem::path joined(repositoryPath);
    joined /= inputFile;
    return joined.lexically_normal().string();
}

std::string quotedPath(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '&') quoted += '&';
        quoted += c;
    }
    return quoted + "\"";
}
