#include "cli/positional_command.h"

#include <iostream>

#include "cli/command_line.h"
#include "cli/schema_conversion.h"
#include "owlgen/sartell_version.h"

namespace {

void printHelp(std::ostream& out) {
    printBanner(out);
    out << "Switches 5, 6, 7 and 9: \"true\" and any text whose leading integer is not 0 are on;" << std::endl
        << "\"false\", \"0\", \"TRUE\", \"yes\" and an empty text are off." << std::endl
        << "The input file is looked up inside the repository path unless it is absolute; a relative" << std::endl
        << "repository path is taken from the folder of the sartell executable." << std::endl
        << "Exit status: 0 all files written, 1 input unreadable or a file not written, 2 usage error." << std::endl
        << "See also: sartell ontology --help" << std::endl;
}

}  // namespace

ExitStatus runPositionalCommand(const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        printHelp(std::cout);
        return exitSuccess;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "sartell " << sartellVersion << std::endl;
        return exitSuccess;
    }
    printBanner(std::cout);
    ConversionSettings settings;
    if (!readSettings(args, settings, std::cout)) return exitUsage;
    const std::string iriError = normaliseOntologyIris(settings);
    if (!iriError.empty()) {
        std::cout << "ERROR: " << iriError << std::endl;
        return exitUsage;
    }
    settings.inputFile = resolveInputPath(settings.repositoryPath, settings.inputFile);
    ConversionOutcome outcome;
    const ExitStatus status = convertSchemaFile(settings, outcome);
    if (outcome.completed) std::cout << std::endl << std::endl << std::endl;
    return status;
}
