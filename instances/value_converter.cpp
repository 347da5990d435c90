#include "instances/value_converter.h"

#include "express/ontology_names.h"

namespace Instances {

using Kind = Step::StepValue::Kind;
using Step::StepValue;

ValueConverter::ValueConverter(const Namespaces& namespaces, const InstanceNaming& naming,
                               std::uint64_t firstNodeNumber, Step::Diagnostics& diagnostics)
    : ns_(namespaces),
      naming_(naming),
      diagnostics_(diagnostics),
      nextNode_(firstNodeNumber),
      rdfType_(rdfNamespace + "type"),
      hasContents_(namespaces.list + "hasContents"),
      hasNext_(namespaces.list + "hasNext"),
      hasSet_(namespaces.express + "hasSet"),
      classTerm_(Term::iri("")),
      literal_(Term::literal("")) {}

void ValueConverter::setInstance(const Step::Statement& statement, std::uint64_t number) {
    statement_ = &statement;
    number_ = number;
    slot_ = nullptr;
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

// The generator makes the lists of simple types, and their lists, in the EXPRESS vocabulary.
std::string ValueConverter::listClassIri(const TypeInfo& member, int levels, bool empty) const {
    std::string name = member.name;
    for (int i = 1; i < levels; ++i) name = listClassName(name);
    name = empty ? emptyListClassName(name) : listClassName(name);
    const bool vocabulary = member.category == TypeCategory::Simple && levels <= 2;
    return (vocabulary ? ns_.express : ns_.schema) + name;
}

RdfCpp::Term ValueConverter::nodeIri(const std::string& name) {
    Term node = Term::iri(ns_.base);
    node.value.append(name).push_back('_');
    node.value.append(std::to_string(nextNode_++));
    return node;
}

// Cells of one class, each with its statements together: type, contents, the next cell.
void ValueConverter::writeChain(const std::vector<Term>& members, const std::string& cellName,
                                const std::string& cellClass, Term& head) {
    classTerm_.value.assign(cellClass);
    Term cell = nodeIri(cellName);
    head = cell;
    for (std::size_t i = 0; i < members.size(); ++i) {
        out_->add(cell, rdfType_, classTerm_);
        out_->add(cell, hasContents_, members[i]);
        if (i + 1 == members.size()) break;
        Term next = nodeIri(cellName);
        out_->add(cell, hasNext_, next);
        cell = std::move(next);
    }
    if (members.empty()) out_->add(cell, rdfType_, classTerm_);
}

bool ValueConverter::convertAttribute(const Term& subject, const AttributeSlot& slot, const StepValue& value,
                                      TripleBuffer& out, TripleBuffer& nodes) {
    if (value.kind == Kind::Missing || value.kind == Kind::Derived) return true;
    out_ = &nodes;
    slot_ = &slot;
    const ExpressAttribute& attribute = *slot.attribute;
    int listLevels = 0;
    if (attribute.isList || attribute.isArray)
        listLevels = attribute.listBounds.empty() ? 1 : static_cast<int>(attribute.listBounds.size());
    const std::size_t mark = out.size(), nodesMark = nodes.size();
    Term object;
    Outcome outcome = Outcome::Written;
    if (attribute.isSet) {
        if (value.kind != Kind::List) {
            wrongKind(value, "a set of " + attribute.targetType);
            return false;
        }
        for (const StepValue& member : value.items) {
            outcome = convert(member, *slot.type, listLevels, object);
            if (outcome == Outcome::Refused) break;
            if (outcome == Outcome::Written) out.add(subject, slot.predicate, object);
        }
    } else {
        outcome = convert(value, *slot.type, listLevels, object);
        if (outcome == Outcome::Written) out.add(subject, slot.predicate, object);
    }
    if (outcome != Outcome::Refused) return true;
    out.truncate(mark);
    nodes.truncate(nodesMark);
    return false;
}

ValueConverter::Outcome ValueConverter::convert(const StepValue& value, const TypeInfo& type, int listLevels,
                                                Term& out) {
    if (listLevels > 0) return convertList(value, type, listLevels, out);
    switch (type.category) {
        case TypeCategory::Entity:
            return convertReference(value, type.name, out);
        case TypeCategory::Select:
            return convertSelect(value, type, out);
        case TypeCategory::Enumeration: {
            if (value.kind != Kind::Enumeration) return wrongKind(value, "a value of " + type.name);
            auto item = type.items.find(upperCase(value.text));
            if (item == type.items.end())
                return refuse(value,
                              "." + value.text + ". is no value of " + type.name + "; the attribute is left out");
            out = Term::iri(ns_.schema + item->second);
            return Outcome::Written;
        }
        case TypeCategory::Defined:
            return convertDefined(value, type, out);
        case TypeCategory::Simple:
            return convertSimple(value, type, out);
        case TypeCategory::Unknown:
            break;
    }
    return refuse(value, "the schema does not declare the type " + type.name + "; the attribute is left out");
}

ValueConverter::Outcome ValueConverter::convertMembers(const StepValue& value, const TypeInfo& member,
                                                       std::vector<Term>& members) {
    members.reserve(value.items.size());
    Term term;
    for (const StepValue& item : value.items) {
        const Outcome outcome = convert(item, member, 0, term);
        if (outcome == Outcome::Refused) return outcome;
        if (outcome == Outcome::Written) members.push_back(term);
    }
    return Outcome::Written;
}

ValueConverter::Outcome ValueConverter::convertList(const StepValue& value, const TypeInfo& type, int listLevels,
                                                    Term& out) {
    if (value.kind != Kind::List) return wrongKind(value, "a list of " + type.name);
    std::vector<Term> members;
    members.reserve(value.items.size());
    Term member;
    for (const StepValue& item : value.items) {
        const Outcome outcome = convert(item, type, listLevels - 1, member);
        if (outcome == Outcome::Refused) return outcome;
        if (outcome == Outcome::Written) members.push_back(member);
    }
    std::string name = type.name;
    for (int i = 1; i < listLevels; ++i) name = listClassName(name);
    if (members.empty()) {
        out = nodeIri(emptyListClassName(name));
        classTerm_.value.assign(listClassIri(type, listLevels, true));
        out_->add(out, rdfType_, classTerm_);
        return Outcome::Written;
    }
    writeChain(members, listClassName(name), listClassIri(type, listLevels, false), out);
    return Outcome::Written;
}

ValueConverter::Outcome ValueConverter::convertReference(const StepValue& value, const std::string& entity, Term& out) {
    if (value.kind != Kind::Reference) return wrongKind(value, "a reference to " + entity);
    const ResolvedType* target = naming_.typeOf(value.reference);
    if (!target) {
        refuse(value, "#" + std::to_string(value.reference) + " does not exist; the value is left out");
        return Outcome::LeftOut;
    }
    if (!target->known) return Outcome::LeftOut;  // its unknown entity has been reported
    bool fits = false;
    for (const EntityLayout* part : target->parts) fits = fits || part->ancestors.count(entity) > 0;
    if (!fits)
        return refuse(value, "expected a reference to " + entity + ", found #" + std::to_string(value.reference) +
                                 " (" + target->iriName + "); the attribute is left out");
    out.kind = Term::Kind::Iri;
    out.value.clear();
    out.datatype.clear();
    out.language.clear();
    naming_.appendIri(out.value, value.reference, *target);
    return Outcome::Written;
}

ValueConverter::Outcome ValueConverter::convertSelect(const StepValue& value, const TypeInfo& select, Term& out) {
    const SelectMembers& members = select.select;
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
        return refuse(value, "#" + std::to_string(value.reference) + " (" + target->iriName + ") is no " + select.name +
                                 "; the attribute is left out");
    }
    if (value.kind == Kind::Typed) {
        auto member = members.otherTypes.find(upperCase(value.text));
        if (member == members.otherTypes.end())
            return refuse(value, value.text + " is no " + select.name + "; the attribute is left out");
        if (value.items.size() != 1) return wrongKind(value, "one value of " + member->second->name);
        return convert(value.items[0], *member->second, 0, out);
    }
    return wrongKind(value, "a reference or a typed value for " + select.name);
}

ValueConverter::Outcome ValueConverter::convertDefined(const StepValue& value, const TypeInfo& type, Term& out) {
    // Some exporters name the type even where the attribute leaves no choice.
    if (value.kind == Kind::Typed && value.items.size() == 1 && upperCase(value.text) == upperCase(type.name))
        return convertDefined(value.items[0], type, out);
    const ExpressDefinedType& defined = *type.defined;
    if (defined.isList || defined.isArray || defined.isSet) {
        if (value.kind != Kind::List) return wrongKind(value, "a list for " + type.name);
        std::vector<Term> members;
        if (convertMembers(value, *type.member, members) == Outcome::Refused) return Outcome::Refused;
        if (!defined.isSet) {
            // The defined type is the list class itself: its cells carry its name.
            writeChain(members, type.name, type.classIri, out);
            return Outcome::Written;
        }
        out = nodeIri(type.name);
        classTerm_.value.assign(type.classIri);
        out_->add(out, rdfType_, classTerm_);
        for (const Term& m : members) out_->add(out, hasSet_, m);
        return Outcome::Written;
    }
    if (type.simple.empty())
        return refuse(value, "the type " + type.name + " rests on no simple type; the attribute is left out");
    return convertSimple(value, type, out);
}

ValueConverter::Outcome ValueConverter::convertSimple(const StepValue& value, const TypeInfo& type, Term& out) {
    const std::string& simple = type.simple;
    Term& literal = literal_;
    literal.kind = Term::Kind::Literal;
    literal.datatype.assign(type.datatype);
    if (simple == "INTEGER") {
        if (value.kind != Kind::Integer) return wrongKind(value, "an integer for " + type.name);
        literal.value.assign(value.text);
    } else if (simple == "REAL" || simple == "NUMBER") {
        if (value.kind != Kind::Integer && value.kind != Kind::Real)
            return wrongKind(value, "a number for " + type.name);
        literal.value.assign(value.text);
    } else if (simple == "STRING") {
        if (value.kind != Kind::String) return wrongKind(value, "a string for " + type.name);
        literal.value.assign(value.text);
    } else if (simple == "BOOLEAN") {
        const std::string item = value.kind == Kind::Enumeration ? upperCase(value.text) : std::string();
        if (item != "T" && item != "F") return wrongKind(value, ".T. or .F. for " + type.name);
        literal.value.assign(item == "T" ? "true" : "false");
    } else if (simple == "LOGICAL") {
        const std::string item = value.kind == Kind::Enumeration ? upperCase(value.text) : std::string();
        if (item != "T" && item != "F" && item != "U") return wrongKind(value, ".T., .F. or .U. for " + type.name);
        literal = Term::iri(ns_.express + (item == "T" ? "TRUE" : item == "F" ? "FALSE" : "UNKNOWN"));
    } else if (simple == "BINARY") {
        if (value.kind != Kind::Binary) return wrongKind(value, "a binary for " + type.name);
        // The leading digit counts unused bits; the rest are the bits, which hexBinary needs in whole octets.
        literal.value.assign(value.text, 1, std::string::npos);
        if (literal.value.size() % 2) literal.value.insert(literal.value.begin(), '0');
    } else {
        return wrongKind(value, type.name);
    }
    out = nodeIri(type.name);
    classTerm_.value.assign(type.classIri);
    out_->add(out, rdfType_, classTerm_);
    out_->add(out, type.wrapperProperty, literal);
    return Outcome::Written;
}

}  // namespace Instances
