#pragma once
// An IFC model (exchange file) as RDF instance data of the ontology generated for its schema, streamed to a
// statement sink: a first pass indexes the instances, the second writes them one by one.
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "express/schema.h"
#include "rdf/triple_sink.h"

namespace Instances {

struct InstanceConversionSettings {
    std::string modelPath;          // the exchange file; messages name it as given
    std::string schemaOntologyIri;  // IRI of the ontology generated for the schema
    std::string base;               // namespace of the instance IRIs
    std::string schemaPrefix = "ifc";
    // The model's FILE_SCHEMA must name this schema (case-insensitively) unless it is empty.
    std::string expectedSchemaName;
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
};

struct InstanceConversionResult {
    bool readable = false;  // false: nothing written (not an exchange file, no DATA, cut off, wrong schema)
    bool written = false;   // the sink took everything
    std::uint64_t instances = 0;
    std::uint64_t messages = 0;
};

// Messages go to `messages`, one per line, at most 20 and then their count.
InstanceConversionResult convertInstances(const ExpressSchema& schema, const InstanceConversionSettings& settings,
                                          RdfCpp::TripleSink& sink, std::ostream& messages);

// The ontology IRI of the data: the base without a trailing '#'.
std::string dataOntologyIri(const std::string& base);

}  // namespace Instances
