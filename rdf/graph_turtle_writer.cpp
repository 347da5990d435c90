#include "rdf/graph_turtle_writer.h"

#include <algorithm>

#include "rdf/ntriples_writer.h"
#include "rdf/term_escaping.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {
namespace {

const std::string RDF_NS = Vocabulary::RDF_NS;
const std::string RDFS_NS = Vocabulary::RDFS_NS;
const std::string OWL_NS = Vocabulary::OWL_NS;
const std::string RDF_TYPE = RDF_NS + "type";
const std::string RDF_FIRST = RDF_NS + "first";
const std::string RDF_REST = RDF_NS + "rest";
const std::string RDF_NIL = RDF_NS + "nil";

std::string indent(int level) { return std::string(static_cast<std::size_t>(level) * 4, ' '); }

// Ontology header, classes, properties, everything else.
template <typename Properties>
int groupOf(const Properties& properties) {
    int group = 3;
    for (const auto& [predicate, object] : properties) {
        if (*predicate != RDF_TYPE || object.kind != Term::Kind::Iri) continue;
        const std::string& type = *object.value;
        if (type == OWL_NS + "Ontology")
            group = std::min(group, 0);
        else if (type == OWL_NS + "Class" || type == RDFS_NS + "Class" || type == RDFS_NS + "Datatype")
            group = std::min(group, 1);
        else if (type == OWL_NS + "ObjectProperty" || type == OWL_NS + "DatatypeProperty" ||
                 type == OWL_NS + "AnnotationProperty" || type == RDF_NS + "Property")
            group = std::min(group, 2);
    }
    return group;
}

}  // namespace

void GraphTurtleWriter::prefix(const std::string& name, const std::string& namespaceIri) {
    prefixes_.add(name, namespaceIri);
}

GraphTurtleWriter::Value GraphTurtleWriter::valueOf(const Term& term) {
    static const std::string none;
    if (term.kind != Term::Kind::Literal) return Value{term.kind, intern(term.value), &none, &none};
    // Lexical forms seldom repeat: they are kept, not pooled.
    literals_.push_back(term.value);
    return Value{term.kind, &literals_.back(), term.datatype.empty() ? &none : intern(term.datatype),
                 term.language.empty() ? &none : intern(term.language)};
}

bool GraphTurtleWriter::triple(const Term& subject, const Term& predicate, const Term& object) {
    if (failed_) return false;
    if (!isWellFormedTriple(subject, predicate) ||
        (object.kind == Term::Kind::Literal && !object.language.empty() && !isLanguageTag(object.language))) {
        failed_ = true;
        return false;
    }
    if (!last_ || last_->term.kind != subject.kind || *last_->term.value != subject.value) {
        const Value key = valueOf(subject);
        last_ = &(subject.kind == Term::Kind::Blank ? blanks_ : named_)[key.value];
        last_->term = key;
    }
    ++statements_;
    const Value value = valueOf(object);
    last_->properties.emplace_back(intern(predicate.value), value);
    if (object.kind == Term::Kind::Blank) ++references_[value.value];
    return true;
}

// A well-formed list from head: cells with exactly one rdf:first and one rdf:rest and nothing else, every
// cell after the head used only by its predecessor, ending in rdf:nil.
bool GraphTurtleWriter::listItems(const std::string* head, std::vector<const Value*>& items,
                                  std::vector<const std::string*>& cells) {
    const std::string* cell = head;
    for (;;) {
        if (written_.count(cell) || std::find(cells.begin(), cells.end(), cell) != cells.end()) return false;
        const auto found = blanks_.find(cell);
        if (found == blanks_.end() || found->second.properties.size() != 2) return false;
        const Value* first = nullptr;
        const Value* rest = nullptr;
        for (const auto& [predicate, object] : found->second.properties) {
            if (*predicate == RDF_FIRST) first = &object;
            if (*predicate == RDF_REST) rest = &object;
        }
        if (!first || !rest) return false;
        items.push_back(first);
        cells.push_back(cell);
        if (rest->kind == Term::Kind::Iri && *rest->value == RDF_NIL) return true;
        if (rest->kind != Term::Kind::Blank || references_[rest->value] != 1) return false;
        cell = rest->value;
    }
}

bool GraphTurtleWriter::appendObject(std::string& text, const Value& object, int level) {
    switch (object.kind) {
        case Term::Kind::Iri:
            prefixes_.appendIri(text, *object.value);
            return true;
        case Term::Kind::Literal:
            appendQuotedString(text, *object.value);
            if (!object.language->empty()) {
                text += '@';
                text += *object.language;
            } else if (!object.datatype->empty()) {
                text += "^^";
                prefixes_.appendIri(text, *object.datatype);
            }
            return true;
        case Term::Kind::Blank:
            break;
    }
    const std::string* label = object.value;
    if (references_[label] != 1 || written_.count(label)) {
        appendBlankLabel(text, *label);
        return true;
    }
    std::vector<const Value*> items;
    std::vector<const std::string*> cells;
    if (listItems(label, items, cells)) {
        written_.insert(cells.begin(), cells.end());
        text += '(';
        for (const Value* item : items) {
            text += ' ';
            if (!appendObject(text, *item, level + 1)) return false;
        }
        text += " )";
        return true;
    }
    written_.insert(label);
    const auto found = blanks_.find(label);
    if (found == blanks_.end()) {
        text += "[]";
        return true;
    }
    text += "[ ";
    if (!appendProperties(text, found->second, level + 1)) return false;
    text += '\n';
    text += indent(level);
    text += ']';
    return true;
}

// The predicate-object list: the first predicate follows what precedes it, the others on lines of their own
// at level; rdf:type first, then by predicate; objects sorted as written, each after the first on a line
// of its own one level deeper.
bool GraphTurtleWriter::appendProperties(std::string& text, const Subject& subject, int level) {
    std::vector<const Property*> order;
    order.reserve(subject.properties.size());
    for (const Property& property : subject.properties) order.push_back(&property);
    const auto before = [](const Property* a, const Property* b) {
        if (a->first == b->first) return false;
        const bool typeA = *a->first == RDF_TYPE, typeB = *b->first == RDF_TYPE;
        if (typeA != typeB) return typeA;
        return *a->first < *b->first;
    };
    // Statements mostly arrive sorted by predicate already.
    if (!std::is_sorted(order.begin(), order.end(), before)) std::stable_sort(order.begin(), order.end(), before);
    std::vector<std::string> objects;
    for (std::size_t at = 0; at < order.size();) {
        const std::string* predicate = order[at]->first;
        std::size_t end = at + 1;
        while (end < order.size() && order[end]->first == predicate) ++end;
        if (at) {
            text += " ;\n";
            text += indent(level);
        }
        if (*predicate == RDF_TYPE)
            text += 'a';
        else
            prefixes_.appendIri(text, *predicate);
        text += ' ';
        if (end == at + 1) {
            if (!appendObject(text, order[at]->second, level + 1)) return false;
            at = end;
            continue;
        }
        objects.clear();
        for (; at < end; ++at) {
            std::string rendered;
            if (!appendObject(rendered, order[at]->second, level + 1)) return false;
            objects.push_back(std::move(rendered));
        }
        std::sort(objects.begin(), objects.end());
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (i) {
                text += " ,\n";
                text += indent(level + 1);
            }
            text += objects[i];
        }
    }
    return true;
}

bool GraphTurtleWriter::appendSubject(std::string& text, const Subject& subject) {
    if (subject.term.kind == Term::Kind::Blank) {
        if (written_.count(subject.term.value)) return true;
        written_.insert(subject.term.value);
        if (references_[subject.term.value] == 0)
            text += "[]";
        else
            appendBlankLabel(text, *subject.term.value);
    } else {
        prefixes_.appendIri(text, *subject.term.value);
    }
    text += ' ';
    if (!appendProperties(text, subject, 1)) return false;
    text += " .\n";
    return true;
}

std::vector<const GraphTurtleWriter::Subject*> GraphTurtleWriter::sortedByText(const Subjects& subjects) {
    std::vector<const Subject*> sorted;
    sorted.reserve(subjects.size());
    for (const auto& entry : subjects) sorted.push_back(&entry.second);
    std::sort(sorted.begin(), sorted.end(),
              [](const Subject* a, const Subject* b) { return *a->term.value < *b->term.value; });
    return sorted;
}

bool GraphTurtleWriter::finish() {
    if (failed_) {
        out_.flush();
        return false;
    }
    std::vector<std::pair<int, const Subject*>> namedOrder;
    for (const Subject* subject : sortedByText(named_)) namedOrder.emplace_back(groupOf(subject->properties), subject);
    std::stable_sort(namedOrder.begin(), namedOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string body;
    body.reserve(statements_ * 40);
    for (const auto& [group, subject] : namedOrder) {
        body += '\n';
        if (!appendSubject(body, *subject)) return false;
    }
    // Unlabelled subjects ([] ...) sorted as written; then blank nodes used several times, or left over
    // from a cycle of single uses, with their labels.
    const std::vector<const Subject*> blanks = sortedByText(blanks_);
    std::vector<std::string> anonymous;
    for (const Subject* subject : blanks) {
        if (references_[subject->term.value] != 0) continue;
        std::string text;
        if (!appendSubject(text, *subject)) return false;
        anonymous.push_back(std::move(text));
    }
    std::sort(anonymous.begin(), anonymous.end());
    for (const std::string& text : anonymous) body += "\n" + text;
    for (const Subject* subject : blanks) {
        if (written_.count(subject->term.value)) continue;
        body += '\n';
        if (!appendSubject(body, *subject)) return false;
    }
    // The declarations go before the body, known only now: the body moves into the output, not copied.
    std::string declarations;
    prefixes_.appendDeclarations(declarations, true);
    body.insert(0, declarations);
    std::string& out = out_.buffer();
    if (out.empty())
        out.swap(body);
    else
        out += body;
    return out_.flush();
}

}  // namespace RdfCpp
