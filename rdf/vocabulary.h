#pragma once
// The fixed RDF, RDFS, OWL, XSD and header annotation terms the converter builds triples with: the one
// table of them, so that no call site spells one of these IRIs again.
#include "rdf/node.h"

namespace Vocabulary {

extern const char* const RDF_NS;   // http://www.w3.org/1999/02/22-rdf-syntax-ns#
extern const char* const RDFS_NS;  // http://www.w3.org/2000/01/rdf-schema#
extern const char* const OWL_NS;   // http://www.w3.org/2002/07/owl#
extern const char* const XSD_NS;   // http://www.w3.org/2001/XMLSchema#
extern const char* const DC_NS;    // http://purl.org/dc/elements/1.1/
extern const char* const VANN_NS;  // http://purl.org/vocab/vann/
extern const char* const CC_NS;    // http://creativecommons.org/ns#

extern const Redland::Node rdf_type;
extern const Redland::Node owl_NamedIndividual;
extern const Redland::Node rdfs_subClassOf;
extern const Redland::Node owl_Class;
extern const Redland::Node owl_Restriction;
extern const Redland::Node owl_onProperty;
extern const Redland::Node owl_onClass;
extern const Redland::Node owl_onDataRange;
extern const Redland::Node owl_onDatatype;
extern const Redland::Node owl_withRestrictions;
extern const Redland::Node owl_Thing;
extern const Redland::Node owl_Nothing;
extern const Redland::Node owl_someValuesFrom;
extern const Redland::Node owl_allValuesFrom;
extern const Redland::Node owl_qualifiedCardinality;
extern const Redland::Node owl_maxQualifiedCardinality;
extern const Redland::Node owl_minQualifiedCardinality;
extern const Redland::Node owl_unionOf;
extern const Redland::Node owl_oneOf;
extern const Redland::Node owl_equivalentClass;
extern const Redland::Node rdf_List;
extern const Redland::Node rdf_rest;
extern const Redland::Node rdf_first;
extern const Redland::Node rdf_nil;
extern const Redland::Node owl_disjointWith;
extern const Redland::Node owl_FunctionalProperty;
extern const Redland::Node owl_DatatypeProperty;
extern const Redland::Node owl_ObjectProperty;
extern const Redland::Node owl_InverseFunctionalProperty;
extern const Redland::Node owl_TransitiveProperty;
extern const Redland::Node owl_SymmetricProperty;
extern const Redland::Node owl_AsymmetricProperty;
extern const Redland::Node owl_ReflexiveProperty;
extern const Redland::Node owl_IrreflexiveProperty;
extern const Redland::Node owl_inverseOf;
extern const Redland::Node owl_equivalentProperty;
extern const Redland::Node rdfs_subPropertyOf;
extern const Redland::Node rdfs_label;
extern const Redland::Node rdfs_domain;
extern const Redland::Node rdfs_range;
extern const Redland::Node rdfs_Datatype;
extern const Redland::Node xsd_minInclusive;
extern const Redland::Node xsd_maxInclusive;
extern const Redland::Node xsd_minExclusive;
extern const Redland::Node xsd_maxExclusive;
extern const Redland::Node xsd_length;
extern const Redland::Node xsd_maxLength;
extern const Redland::Node xsd_minLength;

// The ontology header's terms (imports, version, annotation properties) and the datatypes of counts and of
// the simple types.
extern const Redland::Node owl_Ontology;
extern const Redland::Node owl_imports;
extern const Redland::Node owl_versionIRI;
extern const Redland::Node owl_AnnotationProperty;
extern const Redland::Node owl_maxCardinality;
extern const Redland::Node rdfs_comment;
extern const Redland::Node xsd_integer;
extern const Redland::Node xsd_nonNegativeInteger;
extern const Redland::Node xsd_hexBinary;
extern const Redland::Node xsd_boolean;
extern const Redland::Node xsd_double;
extern const Redland::Node xsd_string;
extern const Redland::Node dc_creator;
extern const Redland::Node dc_contributor;
extern const Redland::Node dc_description;
extern const Redland::Node dc_language;
extern const Redland::Node dc_identifier;
extern const Redland::Node dc_title;
extern const Redland::Node dc_date;
extern const Redland::Node dc_format;
extern const Redland::Node vann_preferredNamespacePrefix;
extern const Redland::Node vann_preferredNamespaceUri;
extern const Redland::Node cc_license;

}  // namespace Vocabulary
