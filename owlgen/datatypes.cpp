#include "owlgen/datatypes.h"

#include <map>
#include <set>
#include <string>
#include <vector>

#include "express/text_ops.h"
#include "owlgen/class_union.h"
#include "owlgen/list_pattern.h"
#include "owlgen/node_lookup.h"
#include "rdf/rdf_list.h"
#include "rdf/restrictions.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

struct SimpleType {
    const char* name;
    const Node* datatype;      // its XML Schema datatype
    const char* propertyName;  // its wrapper property
};

// In byte-wise order of the names, the order every later step walks them in.
const SimpleType simpleTypes[] = {
    {"BINARY", &V::xsd_hexBinary, "hasHexBinary"}, {"BOOLEAN", &V::xsd_boolean, "hasBoolean"},
    {"INTEGER", &V::xsd_integer, "hasInteger"},    {"LOGICAL", &V::xsd_boolean, "hasBoolean"},
    {"NUMBER", &V::xsd_double, "hasDouble"},       {"REAL", &V::xsd_double, "hasDouble"},
    {"STRING", &V::xsd_string, "hasString"},
};
const int resolutionPasses = 10;

// With the LDWG decisions LOGICAL has three values and no XML Schema datatype.
bool logicalAsEnumeration(const GenerationContext& ctx, const std::string& name) {
    return ctx.settings.adoptLdwgDecisions && name == "LOGICAL";
}

void seedTables(GenerationContext& ctx) {
    ExpressSchema& schema = ctx.schema;
    for (const SimpleType& type : simpleTypes) {
        const bool logical = logicalAsEnumeration(ctx, type.name);
        schema.datatypeNodes[type.name] = logical ? Node() : *type.datatype;
        schema.wrapperPropertyNames[type.name] = logical ? "hasLogical" : type.propertyName;
    }
}

using MemberClasses = std::map<Node, std::vector<Node>>;

void writeWrapperClasses(GenerationContext& ctx, MemberClasses& memberClasses) {
    RdfCpp::Graph& g = ctx.vocabularyGraph;
    const std::string ns = g.getUri() + "#";
    for (const SimpleType& type : simpleTypes) {
        Node wrapper(ns + type.name);
        g.addTriple(wrapper, V::rdf_type, V::owl_Class);
        ctx.schema.classNodes[type.name] = wrapper;
        memberClasses[ctx.schema.datatypeNodes[type.name]].push_back(wrapper);
        if (ctx.settings.adoptLdwgDecisions) {
            generateListClass(ctx, type.name, g);
            generateListClass(ctx, std::string(type.name) + "_List", g);
        }
    }
}

void writeWrapperProperties(GenerationContext& ctx, const MemberClasses& memberClasses) {
    ExpressSchema& schema = ctx.schema;
    RdfCpp::Graph& g = ctx.vocabularyGraph;
    const std::string ns = g.getUri() + "#";
    for (const SimpleType& type : simpleTypes) {
        const Node datatype = schema.datatypeNodes[type.name];
        if (!datatype.isValid()) continue;
        if (schema.wrapperProperties.count(datatype) == 0) {
            const std::string& name = schema.wrapperPropertyNames[type.name];
            Node property(ns + name);
            schema.propertyNodes[name] = property;
            g.addTriple(property, V::rdf_type, V::owl_DatatypeProperty);
            g.addTriple(property, V::rdf_type, V::owl_FunctionalProperty);
            g.addTriple(property, V::rdfs_label, Node::literal(name));
            schema.wrapperProperties[datatype] = property;

            auto found = memberClasses.find(datatype);
            if (found != memberClasses.end()) g.addTriple(property, V::rdfs_domain, writeUnionOf(g, found->second));
            g.addTriple(property, V::rdfs_range, datatype);
        }
        addRestriction(&ctx.manager, -1, V::owl_allValuesFrom, schema.classNodes[type.name],
                       schema.wrapperProperties[datatype], datatype, &g);
    }
}

void writeLogicalEnumeration(GenerationContext& ctx) {
    ExpressSchema& schema = ctx.schema;
    if (!ctx.settings.adoptLdwgDecisions || schema.classNodes.count("LOGICAL") == 0) return;
    RdfCpp::Graph& g = ctx.vocabularyGraph;
    const std::string ns = g.getUri() + "#";

    Node enumeration(ns + "LogicalEnum");
    g.addTriple(enumeration, V::rdf_type, V::owl_Class);
    g.addTriple(enumeration, V::rdfs_subClassOf, findNode(schema.classNodes, "ENUMERATION"));
    schema.classNodes["LogicalEnum"] = enumeration;
    for (const std::string& value : std::set<std::string>{"TRUE", "FALSE", "UNKNOWN"}) {
        Node individual(ns + value);
        g.addTriple(individual, V::rdf_type, V::owl_NamedIndividual);
        g.addTriple(individual, V::rdf_type, enumeration);
        g.addTriple(individual, V::rdfs_label, Node::literal(value));
    }

    const std::string& name = schema.wrapperPropertyNames["LOGICAL"];
    Node property(ns + name);
    schema.propertyNodes[name] = property;
    const Node logical = schema.classNodes["LOGICAL"];
    g.addTriple(property, V::rdf_type, V::owl_ObjectProperty);
    g.addTriple(property, V::rdf_type, V::owl_FunctionalProperty);
    g.addTriple(property, V::rdfs_label, Node::literal(name));
    g.addTriple(property, V::rdfs_domain, logical);
    g.addTriple(property, V::rdfs_range, enumeration);
    addRestriction(&ctx.manager, -1, V::owl_allValuesFrom, logical, property, enumeration, &g);
}

// The class of a defined type as a subclass of the class of its underlying type, inheriting its datatype.
void writeSubclass(GenerationContext& ctx, const ExpressDefinedType& type, const Node& cls) {
    ExpressSchema& schema = ctx.schema;
    ctx.schemaGraph.addTriple(cls, V::rdf_type, V::owl_Class);
    ctx.schemaGraph.addTriple(cls, V::rdfs_subClassOf, findNode(schema.classNodes, type.underlyingType));
    schema.classNodes[type.name] = cls;
    schema.datatypeNodes[type.name] = findNode(schema.datatypeNodes, type.underlyingType);
}

// cls ⊑ ∀wrapper.(datatype restricted by facets); nothing when the underlying type carries no datatype, as
// no wrapper property exists for it then.
void writeValueRestriction(GenerationContext& ctx, const ExpressDefinedType& type, const Node& cls,
                           const DataRangeFacets& facets) {
    if (!ctx.settings.whereRuleExpressions) return;
    const Node datatype = findNode(ctx.schema.datatypeNodes, type.underlyingType);
    if (!datatype.isValid()) return;
    auto wrapper = ctx.schema.wrapperProperties.find(datatype);
    if (wrapper == ctx.schema.wrapperProperties.end()) return;
    addRestriction(&ctx.manager, -1, V::owl_allValuesFrom, cls, wrapper->second, datatype, &ctx.schemaGraph, facets);
}

void writeRangeType(GenerationContext& ctx, const ExpressDefinedType& type, const Node& cls) {
    DataRangeFacets facets;
    facets.minValue = type.minValue;
    facets.maxValue = type.maxValue;
    facets.minInclusive = type.minInclusive;
    facets.maxInclusive = type.maxInclusive;
    writeSubclass(ctx, type, cls);
    writeValueRestriction(ctx, type, cls, facets);
}

void writeValueSetType(GenerationContext& ctx, const ExpressDefinedType& type, const Node& cls) {
    DataRangeFacets facets;
    const Node datatype = findNode(ctx.schema.datatypeNodes, type.underlyingType);
    if (datatype.isValid()) {
        const std::string datatypeUri = datatype.getUriString();
        for (const std::string& value : type.allowedValues) facets.oneOf.insert(Node::typedLiteral(value, datatypeUri));
    }
    writeSubclass(ctx, type, cls);
    writeValueRestriction(ctx, type, cls, facets);
}

void writeListOrArrayType(GenerationContext& ctx, const ExpressDefinedType& type, const Node& cls) {
    ListClasses lists = generateListClass(ctx, type.underlyingType, ctx.schemaGraph);
    ctx.schemaGraph.addTriple(cls, V::rdf_type, V::owl_Class);
    ctx.schemaGraph.addTriple(cls, V::rdfs_subClassOf, lists.list);
    ctx.schema.classNodes[type.name] = cls;
    if (!ctx.settings.listCardinalityExpressions) return;
    if (type.isList)
        addListBoundsChains(ctx, cls, nullptr, type.aggMin, type.aggMax, lists);
    else
        addArrayLengthChains(ctx, cls, type.aggMin, type.aggMax, lists);
}

void writeSetType(GenerationContext& ctx, const ExpressDefinedType& type, const Node& cls) {
    RdfCpp::Graph& g = ctx.schemaGraph;
    RdfCpp::GraphManager* manager = &ctx.manager;
    g.addTriple(cls, V::rdf_type, V::owl_Class);
    ctx.schema.classNodes[type.name] = cls;
    const Node member = findNode(ctx.schema.classNodes, type.underlyingType);
    const Node hasSet = findNode(ctx.schema.propertyNodes, "hasSet");
    if (!member.isValid()) return;  // a missing filler would be written as an empty union
    addRestriction(manager, -1, V::owl_allValuesFrom, cls, hasSet, member, &g);

    const int lo = leadingInteger(type.aggMin);
    const int hi = leadingInteger(type.aggMax);
    if (lo >= 1 && type.aggMax == type.aggMin) {
        addRestriction(manager, lo, V::owl_qualifiedCardinality, cls, hasSet, member, &g);
        return;
    }
    if (lo >= 1) addRestriction(manager, lo, V::owl_minQualifiedCardinality, cls, hasSet, member, &g);
    if (hi >= 1) addRestriction(manager, hi, V::owl_maxQualifiedCardinality, cls, hasSet, member, &g);
}

void writeDefinedType(GenerationContext& ctx, const ExpressDefinedType& type) {
    const Node cls = GenerationContext::nameIn(ctx.schemaGraph, type.name);
    if (!type.minValue.empty() || !type.maxValue.empty())
        writeRangeType(ctx, type, cls);
    else if (type.hasInRule)
        writeValueSetType(ctx, type, cls);
    else if (type.width != 0)
        writeSubclass(ctx, type, cls);
    else if (type.isList || type.isArray)
        writeListOrArrayType(ctx, type, cls);
    else if (type.isSet)
        writeSetType(ctx, type, cls);
    else
        writeSubclass(ctx, type, cls);
}

// A type waits until the type it is defined on has been given its form, so chains resolve over the passes.
void resolveDefinedTypes(GenerationContext& ctx) {
    ExpressSchema& schema = ctx.schema;
    auto handled = [&](const std::string& name) {
        return schema.datatypeNodes.count(name) > 0 || schema.classNodes.count(name) > 0;
    };
    auto resolved = [&](const std::string& name) {
        return declares(schema.datatypeNodes, name) || declares(schema.classNodes, name);
    };
    for (int pass = 0; pass < resolutionPasses; ++pass) {
        for (const auto& entry : schema.definedTypes) {
            const ExpressDefinedType* type = entry.second;
            if (!type || handled(entry.first) || !resolved(type->underlyingType)) continue;
            writeDefinedType(ctx, *type);
        }
    }
}

}  // namespace

void generateDatatypes(GenerationContext& ctx) {
    MemberClasses memberClasses;
    seedTables(ctx);
    writeWrapperClasses(ctx, memberClasses);
    writeWrapperProperties(ctx, memberClasses);
    writeLogicalEnumeration(ctx);
    resolveDefinedTypes(ctx);
}
