#include "cli/instances_command.h"

#include <sys/stat.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/instances_options.h"
#include "cli/ontology_command.h"
#include "cli/statement_writer.h"
#include "express/parser.h"
#include "express/schema.h"
#include "express/schema_name.h"
#include "instances/instance_converter.h"
#include "rdf/atomic_file.h"

namespace {

bool isRegularFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The schema parser talks on standard output, which may be carrying the data.
void parseQuietly(ExpressSchema& schema, const std::string& path) {
    std::ostringstream discarded;
    std::streambuf* saved = std::cout.rdbuf(discarded.rdbuf());
    try {
        parseExpressSchema(schema, path);
    } catch (...) {
        std::cout.rdbuf(saved);
        throw;
    }
    std::cout.rdbuf(saved);
}

// A bar of 40 marks, redrawn only when it grows.
class ProgressBar {
public:
    void operator()(std::uint64_t done, std::uint64_t total) {
        if (total == 0) return;
        const int percent = static_cast<int>(done * 100 / total);
        if (percent == shown_) return;
        shown_ = percent;
        const int marks = percent * 40 / 100;
        std::cerr << "\r[" << std::string(marks, '#') << std::string(40 - marks, ' ') << "] " << percent << "%"
                  << (percent == 100 ? "\n" : "") << std::flush;
    }

private:
    int shown_ = -1;
};

ExitStatus usageError(const std::string& message) {
    std::cerr << "sartell instances: " << message << std::endl << "Try 'sartell instances --help'." << std::endl;
    return exitUsage;
}

}  // namespace

ExitStatus runInstancesCommand(const std::vector<std::string>& args) {
    InstancesOptions options;
    std::string error;
    if (!readInstancesOptions(args, options, error)) return usageError(error);
    if (options.help) {
        printInstancesUsage(std::cout);
        return exitSuccess;
    }
    applyOutputDefaults(options);
    if (options.ontologyUri.empty() && defaultOntologyIri(options.schemaFile).empty())
        return usageError("the schema file is not named after an IFC release: give --uri");
    if (!isRegularFile(options.schemaFile)) {
        std::cerr << "sartell instances: cannot read the schema " << options.schemaFile << std::endl;
        return exitFailure;
    }
    if (!isRegularFile(options.model)) {
        std::cerr << "sartell instances: cannot read the model " << options.model << std::endl;
        return exitFailure;
    }

    ExpressSchema schema;
    parseQuietly(schema, options.schemaFile);
    const std::string schemaName = readSchemaName(options.schemaFile);

    Instances::InstanceConversionSettings settings;
    settings.modelPath = options.model;
    settings.schemaOntologyIri =
        options.ontologyUri.empty() ? defaultOntologyIri(options.schemaFile) : options.ontologyUri;
    settings.base = options.base.empty() ? defaultInstanceBase(options.model) : options.base;
    settings.expectedSchemaName = options.force ? std::string() : schemaName;
    struct stat status;
    const bool large = stat(options.model.c_str(), &status) == 0 && status.st_size > (4 << 20);
    ProgressBar bar;
    if (options.progress && large)
        settings.progress = [&bar](std::uint64_t done, std::uint64_t total) { bar(done, total); };

    Instances::InstanceConversionResult result;
    auto convertTo = [&](std::FILE* file) {
        std::unique_ptr<RdfCpp::TripleSink> writer = openStatementWriter(options.format, file);
        result = Instances::convertInstances(schema, settings, *writer, std::cerr);
        return result.readable && result.written;
    };
    bool written = false;
    struct stat target;
    const bool special = stat(options.output.c_str(), &target) == 0 && !S_ISREG(target.st_mode);
    if (options.output == "-") {
        written = convertTo(stdout) && std::fflush(stdout) == 0;
    } else if (special) {
        // A device or a pipe is written in place: renaming a file over it would replace it.
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(options.output.c_str(), "wb"), &std::fclose);
        if (file) {
            written = convertTo(file.get());
            written = std::fclose(file.release()) == 0 && written;
        } else {
            std::cerr << "sartell instances: cannot write " << options.output << std::endl;
        }
    } else {
        written = RdfCpp::replaceFileAtomically(
            options.output,
            [&](const std::string& temp) {
                std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(temp.c_str(), "wb"), &std::fclose);
                if (!file) return false;
                const bool converted = convertTo(file.get());
                return std::fclose(file.release()) == 0 && converted;
            },
            error);
        if (!written && result.readable) std::cerr << "sartell instances: " << error << std::endl;
    }
    if (!written) return exitFailure;
    if (!options.quiet)
        std::cerr << "sartell instances: " << result.instances << " instances written to " << options.output << ", "
                  << result.messages << (result.messages == 1 ? " message" : " messages") << std::endl;
    return result.messages == 0 ? exitSuccess : exitFailure;
}
