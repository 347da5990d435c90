// libFuzzer target: arbitrary bytes as an exchange file, through the reader and the instance converter.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "express/parser.h"
#include "express/schema.h"
#include "instances/instance_converter.h"
#include "rdf/triple_sink.h"

namespace {

class NullSink : public RdfCpp::TripleSink {
public:
    void prefix(const std::string&, const std::string&) override {}
    bool triple(const RdfCpp::Term&, const RdfCpp::Term&, const RdfCpp::Term&) override { return true; }
    bool finish() override { return true; }
};

const ExpressSchema& schema() {
    static ExpressSchema parsed;
    static bool loaded = false;
    if (!loaded) {
        std::streambuf* previous = std::cout.rdbuf(nullptr);
        parseExpressSchema(parsed, SARTELL_FUZZ_SCHEMA);
        std::cout.rdbuf(previous);
        loaded = true;
    }
    return parsed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The reader streams from a file, as it does for models of any size.
    static const std::string path = "/tmp/sartell-instances-fuzz-" + std::to_string(getpid()) + ".ifc";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    Instances::InstanceConversionSettings settings;
    settings.modelPath = path;
    settings.schemaOntologyIri = "https://example.org/mini/OWL";
    settings.base = "https://example.org/model#";
    NullSink sink;
    std::ostringstream messages;
    Instances::convertInstances(schema(), settings, sink, messages);
    return 0;
}
