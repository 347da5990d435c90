#pragma once
// The Redland wrappers and the vocabulary constants.
#include "rdf/node.h"
#include "rdf/statement.h"
#include "rdf/uri.h"
#include "rdf/vocabulary.h"
#include "rdf/world.h"
