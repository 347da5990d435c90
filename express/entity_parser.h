#pragma once
// ENTITY declarations: the header with its supertype and subtype clauses, and the body up to END_ENTITY;.
#include <string>
#include <vector>

#include "express/schema.h"
#include "express/schema_text.h"

// Reads the declaration whose header statement (first token "ENTITY") has just been read; consumes the
// body's statements from text. A header without a name is dropped.
void parseEntityDeclaration(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& header);

// Fills supertypes, subtypes, isAbstract and isOneOf from the header tokens after ENTITY and the name.
void readEntityHeader(const std::vector<std::string>& header, ExpressEntity& entity);
