#include "rdf/graph_turtle_writer.h"

#include <algorithm>

#include "rdf/term_escaping.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {
namespace {

using Redland::Node;

const std::string RDF_NS = Vocabulary::RDF_NS;
const std::string RDFS_NS = Vocabulary::RDFS_NS;
const std::string OWL_NS = Vocabulary::OWL_NS;

std::string indent(int level) { return std::string(static_cast<std::size_t>(level) * 4, ' '); }

Node::Kind kindOf(Term::Kind kind) {
    switch (kind) {
        case Term::Kind::Blank:
            return Node::Kind::Blank;
        case Term::Kind::Literal:
            return Node::Kind::Literal;
        case Term::Kind::Iri:
            break;
    }
    return Node::Kind::Iri;
}

Node nodeOf(const Term& term) { return Node::make(kindOf(term.kind), term.value, term.datatype, term.language); }

}  // namespace

void GraphTurtleWriter::prefix(const std::string& name, const std::string& namespaceIri) {
    prefixes_.add(name, namespaceIri);
}

bool GraphTurtleWriter::triple(const Term& subject, const Term& predicate, const Term& object) {
    return statement(nodeOf(subject), nodeOf(predicate), nodeOf(object));
}

bool GraphTurtleWriter::statement(const Node& subject, const Node& predicate, const Node& object) {
    if (failed_) return false;
    if (!subject.isValid() || subject.isLiteral() || !predicate.isResource() || !object.isValid() ||
        (object.isLiteral() && !object.language().empty() && !isLanguageTag(object.language()))) {
        failed_ = true;
        return false;
    }
    if (!last_ || last_->term != subject) {
        last_ = &(subject.isBlank() ? blanks_ : named_)[subject.identity()];
        last_->term = subject;
    }
    last_->properties.emplace_back(predicate, object);
    if (object.isBlank()) ++references_[object.identity()];
    return true;
}

int GraphTurtleWriter::references(const Node& blank) const {
    const auto found = references_.find(blank.identity());
    return found == references_.end() ? 0 : found->second;
}

// Ontology header, classes, properties, everything else.
int GraphTurtleWriter::groupOf(const Subject& subject) const {
    int group = 3;
    for (const auto& [predicate, object] : subject.properties) {
        if (predicate != Vocabulary::rdf_type || !object.isResource()) continue;
        const std::string_view type = object.text();
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

// A well-formed list from head: cells with exactly one rdf:first and one rdf:rest and nothing else, every
// cell after the head used only by its predecessor, ending in rdf:nil.
bool GraphTurtleWriter::listItems(const Node& head, std::vector<const Node*>& items,
                                  std::vector<const void*>& cells) const {
    const Node* cell = &head;
    for (;;) {
        const void* id = cell->identity();
        if (written_.count(id) || std::find(cells.begin(), cells.end(), id) != cells.end()) return false;
        const auto found = blanks_.find(id);
        if (found == blanks_.end() || found->second.properties.size() != 2) return false;
        const Node* first = nullptr;
        const Node* rest = nullptr;
        for (const auto& [predicate, object] : found->second.properties) {
            if (predicate == Vocabulary::rdf_first) first = &object;
            if (predicate == Vocabulary::rdf_rest) rest = &object;
        }
        if (!first || !rest) return false;
        items.push_back(first);
        cells.push_back(id);
        if (*rest == Vocabulary::rdf_nil) return true;
        if (!rest->isBlank() || references(*rest) != 1) return false;
        cell = rest;
    }
}

bool GraphTurtleWriter::appendObject(std::string& text, const Node& object, int level) {
    switch (object.kind()) {
        case Node::Kind::Iri:
            prefixes_.appendIri(text, object.text());
            return true;
        case Node::Kind::Literal:
            appendQuotedString(text, object.text());
            if (!object.language().empty()) {
                text += '@';
                text += object.language();
            } else if (!object.datatype().empty()) {
                text += "^^";
                prefixes_.appendIri(text, object.datatype());
            }
            return true;
        case Node::Kind::Blank:
            break;
    }
    if (references(object) != 1 || written_.count(object.identity())) {
        appendBlankLabel(text, object.text());
        return true;
    }
    std::vector<const Node*> items;
    std::vector<const void*> cells;
    if (listItems(object, items, cells)) {
        written_.insert(cells.begin(), cells.end());
        text += '(';
        for (const Node* item : items) {
            text += ' ';
            if (!appendObject(text, *item, level + 1)) return false;
        }
        text += " )";
        return true;
    }
    written_.insert(object.identity());
    const auto found = blanks_.find(object.identity());
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
bool GraphTurtleWriter::appendProperties(std::string& text, Subject& subject, int level) {
    std::vector<const Property*> order;
    order.reserve(subject.properties.size());
    for (const Property& property : subject.properties) order.push_back(&property);
    const auto before = [](const Property* a, const Property* b) {
        if (a->first == b->first) return false;
        const bool typeA = a->first == Vocabulary::rdf_type, typeB = b->first == Vocabulary::rdf_type;
        if (typeA != typeB) return typeA;
        return a->first.text() < b->first.text();
    };
    if (!std::is_sorted(order.begin(), order.end(), before)) std::stable_sort(order.begin(), order.end(), before);
    std::vector<std::string> objects;
    for (std::size_t at = 0; at < order.size();) {
        const Node& predicate = order[at]->first;
        std::size_t end = at + 1;
        while (end < order.size() && order[end]->first == predicate) ++end;
        if (at) {
            text += " ;\n";
            text += indent(level);
        }
        if (predicate == Vocabulary::rdf_type)
            text += 'a';
        else
            prefixes_.appendIri(text, predicate.text());
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
    subject.properties = {};
    return true;
}

bool GraphTurtleWriter::appendSubject(std::string& text, Subject& subject) {
    if (subject.term.isBlank()) {
        if (!written_.insert(subject.term.identity()).second) return true;
        if (references(subject.term) == 0)
            text += "[]";
        else
            appendBlankLabel(text, subject.term.text());
    } else {
        prefixes_.appendIri(text, subject.term.text());
    }
    text += ' ';
    if (!appendProperties(text, subject, 1)) return false;
    text += " .\n";
    return true;
}

std::vector<GraphTurtleWriter::Subject*> GraphTurtleWriter::sortedByText(Subjects& subjects) {
    std::vector<Subject*> sorted;
    sorted.reserve(subjects.size());
    for (auto& entry : subjects) sorted.push_back(&entry.second);
    std::sort(sorted.begin(), sorted.end(),
              [](const Subject* a, const Subject* b) { return a->term.text() < b->term.text(); });
    return sorted;
}

bool GraphTurtleWriter::finish() {
    if (failed_) {
        out_.flush();
        return false;
    }
    std::vector<std::pair<int, Subject*>> namedOrder;
    for (Subject* subject : sortedByText(named_)) namedOrder.emplace_back(groupOf(*subject), subject);
    std::stable_sort(namedOrder.begin(), namedOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // The body is held in pieces rather than one growing string, which would hold its old and new copy at
    // once while it grows. The declarations go before it, known only when it is done.
    std::vector<std::string> pieces(1);
    const auto piece = [&pieces]() -> std::string& {
        if (pieces.back().size() >= PIECE_SIZE) pieces.emplace_back();
        if (pieces.back().capacity() < PIECE_SIZE) pieces.back().reserve(PIECE_SIZE + PIECE_SIZE / 4);
        return pieces.back();
    };
    for (const auto& [group, subject] : namedOrder) {
        std::string& body = piece();
        body += '\n';
        if (!appendSubject(body, *subject)) return false;
    }
    // Unlabelled subjects ([] ...) sorted as written; then blank nodes used several times, or left over
    // from a cycle of single uses, with their labels.
    const std::vector<Subject*> blanks = sortedByText(blanks_);
    std::vector<std::string> anonymous;
    for (Subject* subject : blanks) {
        if (references(subject->term) != 0) continue;
        std::string text;
        if (!appendSubject(text, *subject)) return false;
        anonymous.push_back(std::move(text));
    }
    std::sort(anonymous.begin(), anonymous.end());
    for (std::string& text : anonymous) {
        std::string& body = piece();
        body += '\n';
        body += text;
        text = {};
    }
    for (Subject* subject : blanks) {
        if (written_.count(subject->term.identity())) continue;
        std::string& body = piece();
        body += '\n';
        if (!appendSubject(body, *subject)) return false;
    }
    std::string& out = out_.buffer();
    prefixes_.appendDeclarations(out, true);
    for (std::string& text : pieces) {
        out += text;
        text = {};
        out_.flushIfFull();
    }
    return out_.flush();
}

}  // namespace RdfCpp
