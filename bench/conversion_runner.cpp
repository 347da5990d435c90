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

// Reads file into a librdf model of its own storage, as raptor's serializers are fed in other tools.
librdf_model* readIntoLibrdf(const char* file, librdf_storage* storage, librdf_serializer* serializer) {
    librdf_world* world = Redland::getWorld();
    librdf_model* model = librdf_new_model(world, storage, nullptr);
    const std::string name(file);
    const bool ntriples = name.size() > 3 && name.compare(name.size() - 3, 3, ".nt") == 0;
    librdf_parser* parser = librdf_new_parser(world, ntriples ? "ntriples" : "rdfxml", nullptr, nullptr);
    unsigned char* uriText = raptor_uri_filename_to_uri_string(file);
    librdf_uri* uri = librdf_new_uri(world, uriText);
    const bool parsed = model && parser && uri && librdf_parser_parse_into_model(parser, uri, uri, model) == 0;
    for (int i = 0; parsed && i < librdf_parser_get_namespaces_seen_count(parser); ++i) {
        const char* prefix = librdf_parser_get_namespaces_seen_prefix(parser, i);
        librdf_uri* ns = librdf_parser_get_namespaces_seen_uri(parser, i);
        if (prefix && ns) librdf_serializer_set_namespace(serializer, ns, prefix);
    }
    if (uri) librdf_free_uri(uri);
    raptor_free_memory(uriText);
    if (parser) librdf_free_parser(parser);
    if (!parsed && model) librdf_free_model(model);
    return parsed ? model : nullptr;
}

int raptorWrite(int argc, char** argv) {
    if (argc < 5) return 2;
    const std::string format = argv[2], folder = argv[3];
    double total = 0;
    for (int i = 4; i < argc; ++i) {
        librdf_serializer* serializer = librdf_new_serializer(Redland::getWorld(), format.c_str(), nullptr, nullptr);
        librdf_storage* storage = librdf_new_storage(Redland::getWorld(), "trees", "floor", nullptr);
        librdf_model* model = serializer && storage ? readIntoLibrdf(argv[i], storage, serializer) : nullptr;
        int failed = 1;
        if (model) {
            const std::string out = folder + "/raptor-" + std::to_string(i) + "." + format;
            const auto start = std::chrono::steady_clock::now();
            failed = librdf_serializer_serialize_model_to_file(serializer, out.c_str(), nullptr, model);
            total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            librdf_free_model(model);
        }
        if (storage) librdf_free_storage(storage);
        if (serializer) librdf_free_serializer(serializer);
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
