#pragma once
// UNIQUE and WHERE rules: entity rules kept as labelled texts, a few type rule shapes read into fields.
#include <map>
#include <string>

#include "express/schema.h"
#include "express/token_cursor.h"

// One UNIQUE or WHERE statement of an entity, its section keyword already consumed.
void readEntityRule(TokenCursor tokens, std::map<std::string, std::string>& rules);

// One WHERE statement of a defined type, its section keyword already consumed: allowed values, a range,
// or the "NOT handled" message.
void readTypeRule(TokenCursor tokens, ExpressDefinedType& type);
