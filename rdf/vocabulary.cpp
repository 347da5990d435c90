#include "rdf/vocabulary.h"

#include <string>

// Every constant lives in this one file so that they are built in declaration order, after the world they
// need (getWorld() creates it on first use), and destroyed in reverse order while the world still exists.
namespace Vocabulary {

const char* const RDF_NS = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
const char* const RDFS_NS = "http://www.w3.org/2000/01/rdf-schema#";
const char* const OWL_NS = "http://www.w3.org/2002/07/owl#";
const char* const XSD_NS = "http://www.w3.org/2001/XMLSchema#";
const char* const DC_NS = "http://purl.org/dc/elements/1.1/";
const char* const VANN_NS = "http://purl.org/vocab/vann/";
const char* const CC_NS = "http://creativecommons.org/ns#";

namespace {
Redland::Node term(const char* ns, const char* localName) { return Redland::Node(std::string(ns) + localName); }
}  // namespace

const Redland::Node rdf_type = term(RDF_NS, "type");
const Redland::Node owl_NamedIndividual = term(OWL_NS, "NamedIndividual");
const Redland::Node rdfs_subClassOf = term(RDFS_NS, "subClassOf");
const Redland::Node owl_Class = term(OWL_NS, "Class");
const Redland::Node owl_Restriction = term(OWL_NS, "Restriction");
const Redland::Node owl_onProperty = term(OWL_NS, "onProperty");
const Redland::Node owl_onClass = term(OWL_NS, "onClass");
const Redland::Node owl_onDataRange = term(OWL_NS, "onDataRange");
const Redland::Node owl_onDatatype = term(OWL_NS, "onDatatype");
const Redland::Node owl_withRestrictions = term(OWL_NS, "withRestrictions");
const Redland::Node owl_Thing = term(OWL_NS, "Thing");
const Redland::Node owl_Nothing = term(OWL_NS, "Nothing");
const Redland::Node owl_someValuesFrom = term(OWL_NS, "someValuesFrom");
const Redland::Node owl_allValuesFrom = term(OWL_NS, "allValuesFrom");
const Redland::Node owl_qualifiedCardinality = term(OWL_NS, "qualifiedCardinality");
const Redland::Node owl_maxQualifiedCardinality = term(OWL_NS, "maxQualifiedCardinality");
const Redland::Node owl_minQualifiedCardinality = term(OWL_NS, "minQualifiedCardinality");
const Redland::Node owl_unionOf = term(OWL_NS, "unionOf");
const Redland::Node owl_oneOf = term(OWL_NS, "oneOf");
const Redland::Node owl_equivalentClass = term(OWL_NS, "equivalentClass");
const Redland::Node rdf_List = term(RDF_NS, "List");
const Redland::Node rdf_rest = term(RDF_NS, "rest");
const Redland::Node rdf_first = term(RDF_NS, "first");
const Redland::Node rdf_nil = term(RDF_NS, "nil");
const Redland::Node owl_disjointWith = term(OWL_NS, "disjointWith");
const Redland::Node owl_FunctionalProperty = term(OWL_NS, "FunctionalProperty");
const Redland::Node owl_DatatypeProperty = term(OWL_NS, "DatatypeProperty");
const Redland::Node owl_ObjectProperty = term(OWL_NS, "ObjectProperty");
const Redland::Node owl_InverseFunctionalProperty = term(OWL_NS, "InverseFunctionalProperty");
const Redland::Node owl_TransitiveProperty = term(OWL_NS, "TransitiveProperty");
const Redland::Node owl_SymmetricProperty = term(OWL_NS, "SymmetricProperty");
const Redland::Node owl_AsymmetricProperty = term(OWL_NS, "AsymmetricProperty");
const Redland::Node owl_ReflexiveProperty = term(OWL_NS, "ReflexiveProperty");
const Redland::Node owl_IrreflexiveProperty = term(OWL_NS, "IrreflexiveProperty");
const Redland::Node owl_inverseOf = term(OWL_NS, "inverseOf");
const Redland::Node owl_equivalentProperty = term(OWL_NS, "equivalentProperty");
const Redland::Node rdfs_subPropertyOf = term(RDFS_NS, "subPropertyOf");
const Redland::Node rdfs_label = term(RDFS_NS, "label");
const Redland::Node rdfs_domain = term(RDFS_NS, "domain");
const Redland::Node rdfs_range = term(RDFS_NS, "range");
const Redland::Node rdfs_Datatype = term(RDFS_NS, "Datatype");
const Redland::Node xsd_minInclusive = term(XSD_NS, "minInclusive");
const Redland::Node xsd_maxInclusive = term(XSD_NS, "maxInclusive");
const Redland::Node xsd_minExclusive = term(XSD_NS, "minExclusive");
const Redland::Node xsd_maxExclusive = term(XSD_NS, "maxExclusive");
const Redland::Node xsd_length = term(XSD_NS, "length");
const Redland::Node xsd_maxLength = term(XSD_NS, "maxLength");
const Redland::Node xsd_minLength = term(XSD_NS, "minLength");

const Redland::Node owl_Ontology = term(OWL_NS, "Ontology");
const Redland::Node owl_imports = term(OWL_NS, "imports");
const Redland::Node owl_versionIRI = term(OWL_NS, "versionIRI");
const Redland::Node owl_AnnotationProperty = term(OWL_NS, "AnnotationProperty");
const Redland::Node owl_maxCardinality = term(OWL_NS, "maxCardinality");
const Redland::Node rdfs_comment = term(RDFS_NS, "comment");
const Redland::Node xsd_integer = term(XSD_NS, "integer");
const Redland::Node xsd_nonNegativeInteger = term(XSD_NS, "nonNegativeInteger");
const Redland::Node xsd_hexBinary = term(XSD_NS, "hexBinary");
const Redland::Node xsd_boolean = term(XSD_NS, "boolean");
const Redland::Node xsd_double = term(XSD_NS, "double");
const Redland::Node xsd_string = term(XSD_NS, "string");
const Redland::Node dc_creator = term(DC_NS, "creator");
const Redland::Node dc_contributor = term(DC_NS, "contributor");
const Redland::Node dc_description = term(DC_NS, "description");
const Redland::Node dc_language = term(DC_NS, "language");
const Redland::Node dc_identifier = term(DC_NS, "identifier");
const Redland::Node dc_title = term(DC_NS, "title");
const Redland::Node dc_date = term(DC_NS, "date");
const Redland::Node dc_format = term(DC_NS, "format");
const Redland::Node vann_preferredNamespacePrefix = term(VANN_NS, "preferredNamespacePrefix");
const Redland::Node vann_preferredNamespaceUri = term(VANN_NS, "preferredNamespaceUri");
const Redland::Node cc_license = term(CC_NS, "license");

}  // namespace Vocabulary
