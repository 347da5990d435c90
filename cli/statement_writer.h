#pragma once
// The writer of a named output format over an open file.
#include <cstdio>
#include <memory>
#include <string>

#include "rdf/triple_sink.h"

// format: "turtle" or "ntriples". The file stays open and owned by the caller.
std::unique_ptr<RdfCpp::TripleSink> openStatementWriter(const std::string& format, std::FILE* file);
