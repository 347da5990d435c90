#include "instances/value_converter.h"

#include "express/ontology_names.h"

namespace Instances {

using Kind = Step::StepValue::Kind;
using Step::StepValue;

ValueConverter::ValueConverter(const SchemaLayouts& layouts, const Namespaces& namespaces, const InstanceNaming& naming,
                               std::uint64_t firstNodeNumber, Step::Diagnostics& diagnostics)
    : layouts_(layouts),
      ns_(namespaces),
      naming_(naming),
      diagnostics_(diagnostics),
      nextNode_(firstNodeNumber),
      rdfType_(rdfNamespace + "type"),
      hasContents_(namespaces.list + "hasContents"),
      hasNext_(namespaces.list + "hasNext"),
      hasSet_(namespaces.express + "hasSet") {}

void ValueConverter::setInstance(const Step::Statement& statement, std::uint64_t number) {
    statement_ = &statement;
    number_ = number;
}

ValueConverter::Outcome ValueConverter::refuse(const StepValue& value, const std::string& message) {
    std::uint64_t line = 0;
    std::uint32_t column = 0;
    if (statement_) Step::positionOf(*statement_, value.offset, line, column);
    std::string where = "#" + std::to_string(number_);
    if (slot_) where += " " + slot_->entity + "." + slot_->attribute->name;
    diagnostics_.report(line, column, where + ": " + message);
    return Outcome::Refused;
}

ValueConverter::Outcome ValueConverter::wrongKind(const StepValue& value, const std::string& expected) {
    std::string found = Step::kindName(value.kind);
    if (value.kind == Kind::Enumeration) found += " ." + value.text + ".";
    if (value.kind == Kind::Typed) found += " " + value.text + "(...)";
    return refuse(value, "expected " + expected + ", found " + found + "; the attribute is left out");
}

std::string ValueConverter::classIri(const std::string& type) const {
    return (isSimpleType(type) ? ns_.express : ns_.schema) + type;
}

// The generator makes the lists of simple types, and their lists, in the EXPRESS vocabulary.
std::string ValueConverter::listClassIri(const std::string& member, int levels, bool empty) const {
    std::string name = member;
    for (int i = 1; i < levels; ++i) name = listClassName(name);
    name = empty ? emptyListClassName(name) : listClassName(name);
    return (isSimpleType(member) && levels <= 2 ? ns_.express : ns_.schema) + name;
}

RdfCpp::Term ValueConverter::nodeIri(const std::string& name) {
    std::string iri = ns_.base;
    iri.append(name).push_back('_');
    iri.append(std::to_string(nextNode_++));
    return Term::iri(std::move(iri));
}

RdfCpp::Term ValueConverter::newNode(const std::string& name, const std::string& nodeClassIri) {
    Term node = nodeIri(name);
    out_->add(node, rdfType_, Term::iri(nodeClassIri));
    return node;
}

// Cells of one class, each with its statements together: type, contents, the next cell.
void ValueConverter::writeChain(const std::vector<Term>& members, const std::string& cellName,
                                const std::string& cellClass, Term& head) {
    const Term cls = Term::iri(cellClass);
    Term cell = nodeIri(cellName);
    head = cell;
    for (std::size_t i = 0; i < members.size(); ++i) {
        out_->add(cell, rdfType_, cls);
        out_->add(cell, hasContents_, members[i]);
        if (i + 1 == members.size()) break;
        Term next = nodeIri(cellName);
        out_->add(cell, hasNext_, next);
        cell = std::move(next);
    }
    if (members.empty()) out_->add(cell, rdfType_, cls);
}

bool ValueConverter::convertAttribute(const Term& subject, const AttributeSlot& slot, const StepValue& value,
                                      TripleBuffer& out, TripleBuffer& nodes) {
    if (value.kind == Kind::Missing || value.kind == Kind::Derived) return true;
    out_ = &nodes;
    const std::size_t nodesMark = nodes.size();
    slot_ = &slot;
    const ExpressAttribute& attribute = *slot.attribute;
    int listLevels = 0;
    if (attribute.isList || attribute.isArray)
        listLevels = attribute.listBounds.empty() ? 1 : static_cast<int>(attribute.listBounds.size());
    const std::size_t mark = out.size();
    Term object;
    if (attribute.isSet) {
        if (value.kind != Kind::List) {
            wrongKind(value, "a set of " + attribute.targetType);
            return false;
        }
        for (const StepValue& member : value.items) {
            const Outcome outcome = convert(member, attribute.targetType, listLevels, object);
            if (outcome == Outcome::Refused) {
                out.truncate(mark);
                nodes.truncate(nodesMark);
                return false;
            }
            if (outcome == Outcome::Written) out.add(subject, slot.predicate, object);
        }
        return true;
    }
    const Outcome outcome = convert(value, attribute.targetType, listLevels, object);
    if (outcome == Outcome::Refused) {
        out.truncate(mark);
        nodes.truncate(nodesMark);
        return false;
    }
    if (outcome == Outcome::Written) out.add(subject, slot.predicate, object);
    return true;
}

ValueConverter::Outcome ValueConverter::convert(const StepValue& value, const std::string& type, int listLevels,
                                                Term& out) {
    if (listLevels > 0) return convertList(value, type, listLevels, out);
    switch (layouts_.categoryOf(type)) {
        case TypeCategory::Entity:
            return convertReference(value, type, out);
        case TypeCategory::Select:
            return convertSelect(value, type, out);
        case TypeCategory::Enumeration: {
            if (value.kind != Kind::Enumeration) return wrongKind(value, "a value of " + type);
            const std::string* item = layouts_.enumerationItem(type, value.text);
            if (!item)
                return refuse(value, "." + value.text + ". is no value of " + type + "; the attribute is left out");
            out = Term::iri(ns_.schema + *item);
            return Outcome::Written;
        }
        case TypeCategory::Defined:
            return convertDefined(value, type, out);
        case TypeCategory::Simple:
            return convertSimple(value, type, ns_.express + type, type, out);
        case TypeCategory::Unknown:
            break;
    }
    return refuse(value, "the schema does not declare the type " + type + "; the attribute is left out");
}

ValueConverter::Outcome ValueConverter::convertList(const StepValue& value, const std::string& type, int listLevels,
                                                    Term& out) {
    if (value.kind != Kind::List) return wrongKind(value, "a list of " + type);
    std::vector<Term> members;
    members.reserve(value.items.size());
    Term member;
    for (const StepValue& item : value.items) {
        const Outcome outcome = convert(item, type, listLevels - 1, member);
        if (outcome == Outcome::Refused) return outcome;
        if (outcome == Outcome::Written) members.push_back(member);
    }
    std::string name = type;
    for (int i = 0; i < listLevels; ++i) name = listClassName(name);
    if (members.empty()) {
        std::string emptyName = type;
        for (int i = 1; i < listLevels; ++i) emptyName = listClassName(emptyName);
        out = newNode(emptyListClassName(emptyName), listClassIri(type, listLevels, true));
        return Outcome::Written;
    }
    writeChain(members, name, listClassIri(type, listLevels, false), out);
    return Outcome::Written;
}

ValueConverter::Outcome ValueConverter::convertReference(const StepValue& value, const std::string& type, Term& out) {
    if (value.kind != Kind::Reference) return wrongKind(value, "a reference to " + type);
    const ResolvedType* target = naming_.typeOf(value.reference);
    if (!target) {
        refuse(value, "#" + std::to_string(value.reference) + " does not exist; the value is left out");
        return Outcome::LeftOut;
    }
    if (!target->known) return Outcome::LeftOut;  // its unknown entity has been reported
    bool fits = false;
    for (const EntityLayout* part : target->parts) fits = fits || part->ancestors.count(type) > 0;
    if (!fits)
        return refuse(value, "expected a reference to " + type + ", found #" + std::to_string(value.reference) + " (" +
                                 target->iriName + "); the attribute is left out");
    out.kind = Term::Kind::Iri;
    out.value.clear();
    out.datatype.clear();
    out.language.clear();
    naming_.appendIri(out.value, value.reference, *target);
    return Outcome::Written;
}

ValueConverter::Outcome ValueConverter::convertSelect(const StepValue& value, const std::string& select, Term& out) {
    const SelectMembers& members = layouts_.selectMembers(select);
    if (value.kind == Kind::Reference) {
        const ResolvedType* target = naming_.typeOf(value.reference);
        if (!target) {
            refuse(value, "#" + std::to_string(value.reference) + " does not exist; the value is left out");
            return Outcome::LeftOut;
        }
        if (!target->known) return Outcome::LeftOut;
        for (const EntityLayout* part : target->parts)
            for (const std::string& ancestor : part->ancestors)
                if (members.entities.count(ancestor)) return convertReference(value, ancestor, out);
        return refuse(value, "#" + std::to_string(value.reference) + " (" + target->iriName + ") is no " + select +
                                 "; the attribute is left out");
    }
    if (value.kind == Kind::Typed) {
        auto member = members.otherTypes.find(upperCase(value.text));
        if (member == members.otherTypes.end())
            return refuse(value, value.text + " is no " + select + "; the attribute is left out");
        if (value.items.size() != 1) return wrongKind(value, "one value of " + member->second);
        return convert(value.items[0], member->second, 0, out);
    }
    return wrongKind(value, "a reference or a typed value for " + select);
}

ValueConverter::Outcome ValueConverter::convertDefined(const StepValue& value, const std::string& type, Term& out) {
    // Some exporters name the type even where the attribute leaves no choice.
    if (value.kind == Kind::Typed && value.items.size() == 1 && upperCase(value.text) == upperCase(type))
        return convertDefined(value.items[0], type, out);
    const ExpressDefinedType& defined = *layouts_.schema().definedTypes.at(type);
    if (defined.isList || defined.isArray) {
        // The defined type is the list class itself: its cells carry its name.
        if (value.kind != Kind::List) return wrongKind(value, "a list for " + type);
        std::vector<Term> members;
        Term member;
        for (const StepValue& item : value.items) {
            const Outcome outcome = convert(item, defined.underlyingType, 0, member);
            if (outcome == Outcome::Refused) return outcome;
            if (outcome == Outcome::Written) members.push_back(member);
        }
        writeChain(members, type, ns_.schema + type, out);
        return Outcome::Written;
    }
    if (defined.isSet) {
        if (value.kind != Kind::List) return wrongKind(value, "a set for " + type);
        std::vector<Term> members;
        Term member;
        for (const StepValue& item : value.items) {
            const Outcome outcome = convert(item, defined.underlyingType, 0, member);
            if (outcome == Outcome::Refused) return outcome;
            if (outcome == Outcome::Written) members.push_back(member);
        }
        out = newNode(type, ns_.schema + type);
        for (const Term& m : members) out_->add(out, hasSet_, m);
        return Outcome::Written;
    }
    const std::string& simple = layouts_.simpleBaseOf(type);
    if (simple.empty())
        return refuse(value, "the type " + type + " rests on no simple type; the attribute is left out");
    return convertSimple(value, simple, ns_.schema + type, type, out);
}

ValueConverter::Outcome ValueConverter::convertSimple(const StepValue& value, const std::string& simple,
                                                      const std::string& nodeClassIri, const std::string& nodeName,
                                                      Term& out) {
    std::string property;
    Term literal;
    if (simple == "INTEGER") {
        if (value.kind != Kind::Integer) return wrongKind(value, "an integer for " + nodeName);
        property = "hasInteger";
        literal = Term::literal(value.text, xsdNamespace + "integer");
    } else if (simple == "REAL" || simple == "NUMBER") {
        if (value.kind != Kind::Integer && value.kind != Kind::Real)
            return wrongKind(value, "a number for " + nodeName);
        property = "hasDouble";
        literal = Term::literal(value.text, xsdNamespace + "double");
    } else if (simple == "STRING") {
        if (value.kind != Kind::String) return wrongKind(value, "a string for " + nodeName);
        property = "hasString";
        literal = Term::literal(value.text, xsdNamespace + "string");
    } else if (simple == "BOOLEAN") {
        const std::string item = value.kind == Kind::Enumeration ? upperCase(value.text) : std::string();
        if (item != "T" && item != "F") return wrongKind(value, ".T. or .F. for " + nodeName);
        property = "hasBoolean";
        literal = Term::literal(item == "T" ? "true" : "false", xsdNamespace + "boolean");
    } else if (simple == "LOGICAL") {
        const std::string item = value.kind == Kind::Enumeration ? upperCase(value.text) : std::string();
        if (item != "T" && item != "F" && item != "U") return wrongKind(value, ".T., .F. or .U. for " + nodeName);
        property = "hasLogical";
        literal = Term::iri(ns_.express + (item == "T" ? "TRUE" : item == "F" ? "FALSE" : "UNKNOWN"));
    } else if (simple == "BINARY") {
        if (value.kind != Kind::Binary) return wrongKind(value, "a binary for " + nodeName);
        // The leading digit counts unused bits; the rest are the bits, which hexBinary needs in whole octets.
        std::string hex = value.text.substr(1);
        if (hex.size() % 2) hex.insert(hex.begin(), '0');
        property = "hasHexBinary";
        literal = Term::literal(hex, xsdNamespace + "hexBinary");
    } else {
        return wrongKind(value, nodeName);
    }
    out = newNode(nodeName, nodeClassIri);
    out_->add(out, ns_.express + property, literal);
    return Outcome::Written;
}

}  // namespace Instances
