#include "instances/instance_naming.h"

#include <utility>

namespace Instances {

InstanceNaming::InstanceNaming(const Step::InstanceIndex& index, const Step::TypeTable& types,
                               const SchemaLayouts& layouts, std::string base)
    : index_(index), base_(std::move(base)) {
    resolved_.resize(types.size());
    for (std::uint32_t id = 0; id < types.size(); ++id) {
        ResolvedType& type = resolved_[id];
        type.known = true;
        for (const std::string& name : types.names(id)) {
            const EntityLayout* layout = layouts.entityByStepName(name);
            if (!layout) {
                type.known = false;
                type.unknownName = name;
                break;
            }
            type.parts.push_back(layout);
        }
        if (!type.known) continue;
        // A complex instance is named after the part no other part specialises, the first such part if several.
        for (const EntityLayout* candidate : type.parts) {
            bool specialised = false;
            for (const EntityLayout* other : type.parts)
                if (other != candidate && other->ancestors.count(candidate->name)) specialised = true;
            if (!specialised) {
                type.iriName = candidate->name;
                break;
            }
        }
        if (type.iriName.empty()) type.iriName = type.parts.front()->name;
    }
}

const ResolvedType* InstanceNaming::typeOf(std::uint64_t number) const {
    const std::uint32_t id = index_.typeOf(number);
    return id == Step::InstanceIndex::none ? nullptr : &resolved_[id];
}

void InstanceNaming::appendIri(std::string& out, std::uint64_t number, const ResolvedType& type) const {
    out.append(base_);
    out.append(type.iriName);
    out.push_back('_');
    out.append(std::to_string(number));
}

}  // namespace Instances
