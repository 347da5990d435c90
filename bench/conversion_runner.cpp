// The conversion as the command line runs it, with the output format chosen, for the benchmark script; and
// the time raptor's own serializers take to write graphs we read from files (the floors).
// Usage: bench_conversion convert SCHEMA URI REPOSITORY FORMAT [ldwg|plain]
//        bench_conversion raptor-write FORMAT OUTPUT_FOLDER FILE...   (prints the milliseconds of writing)
#include <librdf.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/conversion_driver.h"
#include "express/parser.h"
#include "rdf/model.h"
#include "rdf/world.h"

namespace {

int convert(int argc, char** argv) {
    if (argc < 6) return 2;
    ExpressSchema schema;
    if (!parseExpressSchema(schema, argv[2])) return 1;
    ConversionSettings settings;
    settings.inputFile = argv[2];
    settings.outputFile = "out.owl";
    settings.ontologyUri = argv[3];
    settings.repositoryPath = argv[4];
    settings.serializationFormat = argv[5];
    const bool ldwg = argc < 7 || std::string(argv[6]) != "plain";
    settings.listCardinalityExpressions = true;
    settings.adoptLdwgDecisions = ldwg;
    settings.generateExpressOntology = ldwg;
    const bool converted = runConversion(schema, settings).succeeded();
    std::cout.flush();
    return converted ? 0 : 1;
}

int raptorWrite(int argc, char** argv) {
    if (argc < 5) return 2;
    const std::string format = argv[2], folder = argv[3];
    double total = 0;
    for (int i = 4; i < argc; ++i) {
        Redland::Model model;
        if (!model.loadFromFile(argv[i])) return 1;
        librdf_serializer* serializer = librdf_new_serializer(Redland::getWorld(), format.c_str(), nullptr, nullptr);
        if (!serializer) return 1;
        for (const auto& [ns, prefix] : model.getPrefixes()) {
            librdf_uri* uri = librdf_new_uri(Redland::getWorld(), reinterpret_cast<const unsigned char*>(ns.c_str()));
            librdf_serializer_set_namespace(serializer, uri, prefix.empty() ? nullptr : prefix.c_str());
            librdf_free_uri(uri);
        }
        const std::string out = folder + "/raptor-" + std::to_string(i) + "." + format;
        const auto start = std::chrono::steady_clock::now();
        const int failed = librdf_serializer_serialize_model_to_file(serializer, out.c_str(), nullptr, model.get());
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        librdf_free_serializer(serializer);
        if (failed) return 1;
    }
    std::printf("%.1f\n", total);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    int status = 2;
    if (mode == "convert") status = convert(argc, argv);
    if (mode == "raptor-write") status = raptorWrite(argc, argv);
    if (status == 2) std::cerr << "usage: see bench/conversion_runner.cpp" << std::endl;
    return status;
}
