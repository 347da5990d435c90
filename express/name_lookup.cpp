#include "express/name_lookup.h"

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::string::size_type i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

const ExpressAttribute* findAttribute(const ExpressEntity& entity, const std::string& name) {
    for (const ExpressAttribute& attribute : entity.attributes)
        if (attribute.name == name) return &attribute;
    for (const ExpressAttribute& attribute : entity.attributes)
        if (sameName(attribute.name, name)) return &attribute;
    return nullptr;
}

const ExpressAttribute* forwardAttribute(const ExpressSchema& schema, const ExpressAttribute& inverse) {
    auto target = findName(schema.entities, inverse.targetType);
    if (target == schema.entities.end() || !target->second) return nullptr;
    return findAttribute(*target->second, inverse.inverseOf);
}

std::pair<std::string, std::string> declaredInverseTarget(const ExpressSchema& schema,
                                                          const ExpressAttribute& inverse) {
    const ExpressAttribute* forward = forwardAttribute(schema, inverse);
    return {forward ? forward->name : inverse.inverseOf, declaredName(schema.entities, inverse.targetType)};
}
