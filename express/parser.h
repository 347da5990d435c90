#pragma once
// Reading an EXPRESS schema file into the schema model.
#include <string>

#include "express/schema.h"
#include "express/schema_text.h"

// Clears the schema and fills it from the file. Returns false when the file cannot be read, or not to its
// end (an unclosed comment, reported with its line); true as well
// when the path is not a regular file (then nothing is printed and the schema stays empty).
bool parseExpressSchema(ExpressSchema& schema, const std::string& path);

// The declarations of an already loaded text, added to the schema (schemaFile is left alone).
void parseSchemaText(ExpressSchema& schema, SchemaText& text);
