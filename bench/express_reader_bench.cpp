// Times the EXPRESS reader: parses one schema file N times and prints the median time of one parse.
// Usage: bench_express_reader [schema.exp] [runs]
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "express/parser.h"
#include "express/schema.h"

namespace {

bool isFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The source folder, from this file's path as the build gave it (bench/ lies directly in it).
std::string sourceDir() {
    std::string file = __FILE__;
    std::string::size_type slash = file.rfind('/');
    if (slash == std::string::npos) return ".";
    slash = file.rfind('/', slash - 1);
    return slash == std::string::npos ? "." : file.substr(0, slash);
}

std::string defaultSchema() {
    const std::string candidates[] = {sourceDir() + "/../shared/schemas/IFC4_ADD2_TC1.exp",
                                      "../shared/schemas/IFC4_ADD2_TC1.exp"};
    for (const std::string& path : candidates) {
        if (isFile(path)) return path;
    }
    return std::string();
}

}  // namespace

int main(int argc, char** argv) {
    std::string path = argc > 1 ? argv[1] : defaultSchema();
    int runs = argc > 2 ? std::atoi(argv[2]) : 50;
    if (runs < 1) runs = 1;
    if (path.empty() || !isFile(path)) {
        std::cout << "usage: bench_express_reader [schema.exp] [runs]  (no schema found)" << std::endl;
        return 1;
    }

    std::vector<double> times;
    std::size_t entities = 0, types = 0;
    std::ostringstream discarded;
    for (int i = 0; i < runs; ++i) {
        ExpressSchema schema;
        std::streambuf* previous = std::cout.rdbuf(discarded.rdbuf());
        auto start = std::chrono::steady_clock::now();
        parseExpressSchema(schema, path);
        auto end = std::chrono::steady_clock::now();
        std::cout.rdbuf(previous);
        discarded.str(std::string());
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        entities = schema.entities.size();
        types = schema.definedTypes.size() + schema.enumerations.size() + schema.selects.size();
    }
    std::sort(times.begin(), times.end());
    std::cout << "schema: " << path << std::endl;
    std::cout << "entities: " << entities << ", types: " << types << std::endl;
    std::cout << "runs: " << runs << ", median ms per parse: " << times[times.size() / 2] << ", min: " << times.front()
              << ", max: " << times.back() << std::endl;
    return 0;
}
