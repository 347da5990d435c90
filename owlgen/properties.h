#pragma once
// Explicit and inverse attributes as OWL object properties with domain, range, characteristics and the
// restrictions their types and bounds put on the entity class.
#include <string>

#include "express/ontology_names.h"
#include "express/schema.h"
#include "owlgen/generation_context.h"

// One property per attribute of every entity, except inverse attributes that cannot be stated as owl:inverseOf
// of a single property; counts an error for each attribute whose type has no class.
void generateProperties(GenerationContext& context);
