#include "cli/instances_options.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem/path.hpp>

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
           "  -o FILE             output file, '-' for standard output (default: the model's name with .ttl or\n"
           "                      .nt in the current folder)\n"
           "  --format F          turtle or ntriples (default: from the extension of -o, else turtle)\n"
           "  -q                  no summary line\n"
           "  --progress          a progress bar on standard error for models over 4 MB\n"
           "  -h, --help          this text\n"
           "\n"
           "Exit status: 0 when everything converted, 1 when anything was left out (each fault has a message on\n"
           "standard error), 2 for usage errors.\n";
}

bool readInstancesOptions(const std::vector<std::string>& args, InstancesOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            target = args[++i];
            return true;
        };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--schema") {
            if (!value(options.schemaFile)) return false;
        } else if (arg == "--uri") {
            if (!value(options.ontologyUri)) return false;
        } else if (arg == "--base") {
            if (!value(options.base)) return false;
        } else if (arg == "-o") {
            if (!value(options.output)) return false;
        } else if (arg == "--format") {
            if (!value(options.format)) return false;
            if (options.format != "turtle" && options.format != "ntriples") {
                error = "unknown format '" + options.format + "' (turtle or ntriples)";
                return false;
            }
        } else if (arg == "-q") {
            options.quiet = true;
        } else if (arg == "--progress") {
            options.progress = true;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (!options.model.empty()) {
            error = "more than one model: " + options.model + " and " + arg;
            return false;
        } else {
            options.model = arg;
        }
    }
    if (options.help) return true;
    if (options.model.empty()) {
        error = "no model file given";
        return false;
    }
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
