#pragma once
// The name a schema file declares, read without parsing the schema.
#include <string>

// The identifier after the first SCHEMA keyword outside comments; empty when there is none or the file cannot be
// read.
std::string readSchemaName(const std::string& path);
