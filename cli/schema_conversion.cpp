#include "cli/schema_conversion.h"

#include <sys/stat.h>

#include <iostream>

#include "cli/command_line.h"
#include "cli/output_files.h"
#include "express/parser.h"
#include "rdf/iri_syntax.h"

namespace {

bool declaresNothing(const ExpressSchema& schema) {
    return schema.entities.empty() && schema.definedTypes.empty() && schema.enumerations.empty() &&
           schema.selects.empty();
}

}  // namespace

std::string normaliseOntologyIris(ConversionSettings& settings) {
    const struct {
        std::string* iri;
        const char* what;
        bool optional;
    } iris[] = {{&settings.ontologyUri, "ontology IRI", false},
                {&settings.ontologyVersionUri, "version IRI", true},
                {&settings.importBaseUri, "import base IRI", true}};
    for (const auto& entry : iris) {
        if (entry.optional && entry.iri->empty()) continue;
        const std::string fault = RdfCpp::iriFault(*entry.iri);
        if (!fault.empty()) return std::string("the ") + entry.what + " \"" + *entry.iri + "\" is not an IRI: " + fault;
    }
    std::string& iri = settings.ontologyUri;
    const std::string::size_type hash = iri.find('#');
    if (hash != std::string::npos && hash + 1 != iri.size())
        return "the ontology IRI \"" + iri + "\" has a fragment; its terms would hold two \"#\"";
    if (hash != std::string::npos) iri.pop_back();
    if (settings.ontologyVersionUri == iri + "#") settings.ontologyVersionUri = iri;
    return std::string();
}

ExitStatus convertSchemaFile(const ConversionSettings& settings, ConversionOutcome& outcome) {
    // Any failure of the status query (missing, not searchable) means there is no schema to read.
    struct stat status;
    if (stat(settings.inputFile.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        std::cout << "ERROR: Input EXPRESS file not found: " << quotedPath(settings.inputFile) << std::endl;
        return exitFailure;
    }
    ExpressSchema schema;
    if (!parseExpressSchema(schema, settings.inputFile)) {
        std::cout << "ERROR: the EXPRESS file " << quotedPath(settings.inputFile)
                  << " could not be read in full; nothing was written" << std::endl;
        return exitFailure;
    }
    if (declaresNothing(schema)) {
        std::cout << "ERROR: nothing was read from " << quotedPath(settings.inputFile)
                  << ": it declares no entity or type; nothing was written" << std::endl;
        return exitFailure;
    }
    const std::string clash = outputFileClash(settings);
    if (!clash.empty()) {
        std::cout << "ERROR: " << clash << "; nothing was written" << std::endl;
        return exitFailure;
    }
    std::cout << std::endl;
    outcome = runConversion(schema, settings);
    return outcome.succeeded() ? exitSuccess : exitFailure;
}
