#include "instances/data_ontology_header.h"

#include <vector>

#include "instances/vocabulary_iris.h"

namespace Instances {

bool writeDataOntologyHeader(RdfCpp::TripleSink& sink, const std::string& ontologyIri,
                             const std::string& schemaOntologyIri, const Step::ExchangeHeader& header) {
    using RdfCpp::Term;
    const Term ontology = Term::iri(ontologyIri);
    const Term type = Term::iri(rdfNamespace + "type");
    bool ok = sink.triple(ontology, type, Term::iri(owlNamespace + "Ontology"));
    ok = sink.triple(ontology, Term::iri(owlNamespace + "imports"), Term::iri(schemaOntologyIri)) && ok;

    struct Annotation {
        const char* property;
        std::vector<std::string> values;
    };
    std::vector<std::string> creators = header.authors;
    creators.insert(creators.end(), header.organizations.begin(), header.organizations.end());
    const Annotation annotations[] = {
        {"title", {header.name}}, {"description", header.descriptions},   {"date", {header.timeStamp}},
        {"creator", creators},    {"source", {header.originatingSystem}},
    };
    // Declarations first, so the ontology's own statements stay together.
    for (const Annotation& annotation : annotations)
        for (const std::string& value : annotation.values)
            if (!value.empty()) {
                const Term property = Term::iri(dcElementsNamespace + annotation.property);
                ok = sink.triple(property, type, Term::iri(owlNamespace + "AnnotationProperty")) && ok;
                break;
            }
    for (const Annotation& annotation : annotations)
        for (const std::string& value : annotation.values)
            if (!value.empty())
                ok =
                    sink.triple(ontology, Term::iri(dcElementsNamespace + annotation.property), Term::literal(value)) &&
                    ok;
    return ok;
}

}  // namespace Instances
