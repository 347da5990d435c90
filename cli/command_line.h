#pragma once
// Reading the command line into ConversionSettings.
#include <ostream>
#include <string>
#include <vector>

#include "owlgen/conversion_settings.h"

extern const std::string defaultImportBaseUri;

// "true" is true, "false" false; otherwise true when the text read as atoi is not 0.
bool parseBooleanArgument(const std::string& text);

void printBanner(std::ostream& out);

// Fills settings from the positional arguments (program name excluded), printing the missing-argument
// errors and the default-value messages. False when a mandatory argument is missing.
bool readSettings(const std::vector<std::string>& args, ConversionSettings& settings, std::ostream& out);

// The repository path joined with a relative input path (an absolute one stays as it is), normalised
// without looking at the disk.
std::string resolveInputPath(const std::string& repositoryPath, const std::string& inputFile);

// The path in double quotes, each double quote and ampersand preceded by an ampersand.
std::string quotedPath(const std::string& path);
