#pragma once
// Helpers of the EXPRESS reader tests: parsing from text and whole models as text.
#include <iostream>
#include <sstream>
#include <string>

#include "express/parser.h"
#include "express/schema.h"
#include "express/schema_text.h"
#include "test_support.h"

namespace expresstest {

// Parses schema text held in memory; returns what the reader printed.
inline std::string parseText(ExpressSchema& schema, const std::string& content) {
    testsupport::OutputCapture capture;
    SchemaText text = schemaTextFromString(content);
    parseSchemaText(schema, text);
    return capture.take();
}

// The one entity of a schema made of the declaration lines between ENTITY and END_ENTITY.
inline std::string entityText(const std::string& header, const std::string& body) {
    return "ENTITY " + header + "\n" + body + "\nEND_ENTITY;\n";
}

// Every declaration record and counting table as text, for comparing whole models.
inline std::string describe(const ExpressSchema& schema) {
    std::ostringstream out;
    for (const auto& entry : schema.entities) {
        const ExpressEntity& e = *entry.second;
        out << "ENTITY " << entry.first << " " << e.name << " abstract=" << e.isAbstract << " oneof=" << e.isOneOf
            << " comment=[" << e.comment << "]\n super:";
        for (const auto& s : e.supertypes) out << " " << s;
        out << "\n sub:";
        for (const auto& s : e.subtypes) out << " " << s;
        out << "\n";
        for (const ExpressAttribute& a : e.attributes) {
            out << " attr " << a.name << " " << a.targetType << " w" << a.width << " inv=" << a.inverseOf << " "
                << a.isOptional << a.isSet << a.isList << a.isArray << " [" << a.minCard << ":" << a.maxCard << "]";
            for (const auto& b : a.listBounds) out << " (" << b.first << "," << b.second << ")";
            out << "\n";
        }
        for (const auto& r : e.uniqueRules) out << " unique " << r.first << " = " << r.second << "\n";
        for (const auto& r : e.whereRules) out << " where " << r.first << " = " << r.second << "\n";
    }
    for (const auto& entry : schema.enumerations) {
        out << "ENUM " << entry.first << ":";
        for (const auto& item : entry.second->items) out << " " << item;
        out << "\n";
    }
    for (const auto& entry : schema.selects) {
        out << "SELECT " << entry.first << ":";
        for (const auto& item : entry.second->items) out << " " << item;
        out << "\n";
    }
    for (const auto& entry : schema.definedTypes) {
        const ExpressDefinedType& t = *entry.second;
        out << "TYPE " << entry.first << " " << t.underlyingType << " w" << t.width << " " << t.isSet << t.isList
            << t.isArray << " [" << t.aggMin << ":" << t.aggMax << "] in=" << t.hasInRule << " {";
        for (const auto& v : t.allowedValues) out << v << ";";
        out << "} " << (t.minInclusive ? "[" : "(") << t.minValue << "," << t.maxValue << (t.maxInclusive ? "]" : ")")
            << "\n";
    }
    for (const auto& entry : schema.propertyNameCount) out << "property " << entry.first << " " << entry.second << "\n";
    for (const auto& entry : schema.enumerationItemCount) out << "item " << entry.first << " " << entry.second << "\n";
    return out.str();
}

}  // namespace expresstest
