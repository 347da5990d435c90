// The sartell command: a command word selects a named form; anything else is the positional form.
#include <iostream>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "cli/instances_command.h"
#include "cli/ontology_command.h"
#include "cli/positional_command.h"
#include "rdf/process_exit.h"

namespace {

struct Command {
    const char* word;
    ExitStatus (*run)(const std::vector<std::string>& args);
};

// Each named command parses its own options from the arguments after its word.
const Command commands[] = {
    {"ontology", &runOntologyCommand},
    {"instances", &runInstancesCommand},
};

int run(int argc, char** argv) {
    RdfCpp::leaveGraphsToTheSystemAtExit();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty()) {
        for (const Command& command : commands) {
            if (args[0] == command.word) return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        }
    }
    return runPositionalCommand(args);
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
    return exitFailure;
}
