#pragma once
// The prefixes a Turtle document binds, and IRIs written as prefixed names where one fits.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace RdfCpp {

class TurtlePrefixes {
public:
    // False (nothing bound) for a name Turtle cannot hold, an empty namespace, or a name already bound.
    bool add(const std::string& name, const std::string& namespaceIri);
    // prefix:local with the longest namespace whose rest is a plain local name, else <iri>; marks the
    // prefix used.
    void appendIri(std::string& out, std::string_view iri);
    // "@prefix" lines for every bound prefix (usedOnly: only those appendIri has used), in binding order.
    void appendDeclarations(std::string& out, bool usedOnly) const;

private:
    struct Binding {
        std::string ns, name;
        bool used = false;
    };
    std::vector<Binding> bindings_;
};

}  // namespace RdfCpp
