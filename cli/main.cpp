// The sartell command: reads the settings, parses the EXPRESS schema and runs the conversion.
#include <sys/stat.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/conversion_driver.h"
#include "express/parser.h"
#include "express/schema.h"
#include "rdf/process_exit.h"

namespace {

int run(int argc, char** argv) {
    RdfCpp::leaveGraphsToTheSystemAtExit();
    printBanner(std::cout);
    std::vector<std::string> args(argv + 1, argv + argc);
    ConversionSettings settings;
    if (!readSettings(args, settings, std::cout)) return 0;

    settings.inputFile = resolveInputPath(settings.repositoryPath, settings.inputFile);
    ExpressSchema schema;
    // Any failure of the status query (missing, not searchable) means there is no schema to read.
    struct stat status;
    if (stat(settings.inputFile.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        std::cout << "ERROR: Input EXPRESS file not found: " << quotedPath(settings.inputFile) << std::endl;
        return 0;
    }
    parseExpressSchema(schema, settings.inputFile);
    std::cout << std::endl;
    runConversion(schema, settings);
    std::cout << std::endl << std::endl << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Whatever escapes the library layers ends the run with one line, never with an abort.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cout << "ERROR: " << e.what() << std::endl;
    } catch (...) {
        std::cout << "ERROR: the conversion stopped on an unexpected failure" << std::endl;
    }
    return 0;
}
