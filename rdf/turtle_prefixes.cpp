#include "rdf/turtle_prefixes.h"

#include "rdf/term_escaping.h"

namespace RdfCpp {

bool TurtlePrefixes::add(const std::string& name, const std::string& namespaceIri) {
    if (namespaceIri.empty() || !isPrefixName(name)) return false;
    for (const Binding& binding : bindings_) {
        if (binding.name == name) return false;
    }
    bindings_.push_back({namespaceIri, name, false});
    return true;
}

void TurtlePrefixes::appendIri(std::string& out, std::string_view iri) {
    Binding* best = nullptr;
    for (Binding& binding : bindings_) {
        const std::string& ns = binding.ns;
        if (ns.size() <= iri.size() && (!best || ns.size() > best->ns.size()) && iri.compare(0, ns.size(), ns) == 0 &&
            isLocalName(iri.substr(ns.size())))
            best = &binding;
    }
    if (!best) {
        appendIriRef(out, iri);
        return;
    }
    best->used = true;
    out += best->name;
    out += ':';
    out += iri.substr(best->ns.size());
}

void TurtlePrefixes::appendDeclarations(std::string& out, bool usedOnly) const {
    for (const Binding& binding : bindings_) {
        if (usedOnly && !binding.used) continue;
        out += "@prefix ";
        out += binding.name;
        out += ": ";
        appendIriRef(out, binding.ns);
        out += " .\n";
    }
}

}  // namespace RdfCpp
