#pragma once
// The command line of `sartell instances`, read into settings.
#include <ostream>
#include <string>
#include <vector>

struct InstancesOptions {
    std::string model;
    std::string schemaFile;
    std::string ontologyUri;  // empty: the default for the schema file
    std::string base;         // empty: the default for the model file
    std::string output;       // empty: the model's name with the format's extension, in the current folder
    std::string format;       // "turtle" or "ntriples"; empty: from the output's extension, else turtle
    bool quiet = false;
    bool progress = false;
    bool force = false;
    bool help = false;
};

// False on a usage error, described in error.
bool readInstancesOptions(const std::vector<std::string>& args, InstancesOptions& options, std::string& error);

void printInstancesUsage(std::ostream& out);

// http://sartell.example.org/models/ + the model file's name without extension, percent-encoded, + "#".
std::string defaultInstanceBase(const std::string& modelFile);

// Fills in format and output where the options leave them to the defaults.
void applyOutputDefaults(InstancesOptions& options);
