#pragma once
// The IRI and the entities of every instance of a model, from the index of the first pass.
#include <cstdint>
#include <string>
#include <vector>

#include "instances/schema_layouts.h"
#include "step/instance_index.h"

namespace Instances {

struct ResolvedType {
    bool known = false;                      // every entity name is one of the schema's
    std::string unknownName;                 // the first name that is not
    std::vector<const EntityLayout*> parts;  // one per entity name, in file order
    std::string iriName;                     // the most specific entity, in the schema's spelling
};

class InstanceNaming {
public:
    InstanceNaming(const Step::InstanceIndex& index, const Step::TypeTable& types, const SchemaLayouts& layouts,
                   std::string base);
    // nullptr when the file has no instance of that number.
    const ResolvedType* typeOf(std::uint64_t number) const;
    void appendIri(std::string& out, std::uint64_t number, const ResolvedType& type) const;

private:
    const Step::InstanceIndex& index_;
    std::vector<ResolvedType> resolved_;  // by type id
    std::string base_;
};

}  // namespace Instances
