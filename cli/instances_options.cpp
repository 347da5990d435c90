#include "cli/instances_options.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem/path.hpp>

#include "cli/option_parser.h"

namespace {

std::string stemOf(const std::string& path) { return boost::filesystem::path(path).stem().string(); }

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

void printInstancesUsage(std::ostream& out) {
    out << "Usage: sartell instances [options] MODEL.ifc\n"
           "Writes an IFC model (ISO 10303-21) as RDF instance data of the ontology generated for its schema.\n"
           "\n"
           "  --schema FILE.exp   the EXPRESS schema of the model (required); its SCHEMA name must match the\n"
           "                      model's FILE_SCHEMA, case-insensitively\n"
           "  --force             convert even when the schema names differ\n"
           "  --uri IRI           IRI of the schema ontology (default as for `sartell ontology`: IFC4_ADD2_TC1.exp\n"
           "                      gives https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL)\n"
           "  --base IRI          namespace of the instance IRIs (default: http://sartell.example.org/models/\n"
           "                      followed by the model's file name without extension and '#'); the data\n"
           "                      ontology's IRI is the base without a final '#'\n"
           "  -o, --output FILE   output file, '-' for standard output (default: the model's name with .ttl or\n"
           "                      .nt in the current folder)\n"
           "  --format F          turtle or ntriples (default: from the extension of -o, else turtle)\n"
           "  -q, --quiet         no summary line\n"
           "  --progress          a progress bar on standard error for models over 4 MB\n"
           "  -h, --help          this text\n"
           "\n"
           "Options may be written --opt VALUE or --opt=VALUE; \"--\" ends the options.\n"
           "Exit status: 0 when everything converted, 1 when anything was left out (each fault has a message on\n"
           "standard error), 2 for usage errors.\n";
}

bool readInstancesOptions(const std::vector<std::string>& args, InstancesOptions& options, std::string& error) {
    auto into = [](std::string& target) {
        return [&target](const std::string& value) {
            target = value;
            return std::string();
        };
    };
    OptionParser parser;
    parser.flag("help", 'h', [&] { options.help = true; });
    parser.value("schema", 0, into(options.schemaFile));
    parser.value("uri", 0, into(options.ontologyUri));
    parser.value("base", 0, into(options.base));
    parser.value("output", 'o', into(options.output));
    parser.value("format", 0, [&](const std::string& value) {
        options.format = value;
        if (value == "turtle" || value == "ntriples") return std::string();
        return "unknown format '" + value + "' (turtle or ntriples)";
    });
    parser.flag("quiet", 'q', [&] { options.quiet = true; });
    parser.flag("progress", 0, [&] { options.progress = true; });
    parser.flag("force", 0, [&] { options.force = true; });

    std::vector<std::string> operands;
    if (!parser.parse(args, operands, error)) return false;
    if (options.help) return true;
    if (operands.size() > 1) {
        error = "more than one model: " + operands[0] + " and " + operands[1];
        return false;
    }
    if (operands.empty()) {
        error = "no model file given";
        return false;
    }
    options.model = operands[0];
    if (options.schemaFile.empty()) {
        error = "--schema FILE.exp is required";
        return false;
    }
    return true;
}

std::string defaultInstanceBase(const std::string& modelFile) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : stemOf(modelFile)) {
        if (unreserved(c)) {
            encoded.push_back(static_cast<char>(c));
        } else {
            encoded.push_back('%');
            encoded.push_back(hex[c >> 4]);
            encoded.push_back(hex[c & 15]);
        }
    }
    return "http://sartell.example.org/models/" + encoded + "#";
}

void applyOutputDefaults(InstancesOptions& options) {
    if (options.format.empty()) {
        const std::string extension = boost::filesystem::path(options.output).extension().string();
        options.format = boost::iequals(extension, ".nt") ? "ntriples" : "turtle";
    }
    if (options.output.empty())
        options.output = stemOf(options.model) + (options.format == "ntriples" ? ".nt" : ".ttl");
}
