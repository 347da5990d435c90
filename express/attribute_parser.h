#pragma once
// One explicit or inverse attribute declaration of an entity body.
#include "express/schema.h"
#include "express/token_cursor.h"

// Reads the declaration into a new attribute (name, optionality, aggregation bounds, target type and, for
// an inverse attribute, the attribute after FOR). Prints the BAG and "Attr target" messages.
ExpressAttribute readAttribute(TokenCursor tokens, bool inverse);
