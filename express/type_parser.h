#pragma once
// TYPE declarations: enumerations, selects and defined types, with the body up to END_TYPE;.
#include <string>
#include <vector>

#include "express/schema.h"
#include "express/schema_text.h"

// Reads the declaration whose statement (first token "TYPE") has just been read; consumes the body's
// statements from text. A statement too short to name a type and its kind is dropped.
void parseTypeDeclaration(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& declaration);
