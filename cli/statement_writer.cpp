#include "cli/statement_writer.h"

#include "rdf/ntriples_writer.h"
#include "rdf/turtle_writer.h"

std::unique_ptr<RdfCpp::TripleSink> openStatementWriter(const std::string& format, std::FILE* file) {
    if (format == "ntriples") return std::make_unique<RdfCpp::NTriplesWriter>(file);
    return std::make_unique<RdfCpp::TurtleWriter>(file);
}
