#pragma once
// EXPRESS simple types as wrapper classes with one functional datatype property each, and defined types as
// subclasses, list, array or set classes of the types they are defined on.
#include "owlgen/generation_context.h"

// Fills classNodes, datatypeNodes, wrapperPropertyNames, wrapperProperties and propertyNodes. Expects the
// EXPRESS anchors and the list vocabulary to be in place.
void generateDatatypes(GenerationContext& ctx);
