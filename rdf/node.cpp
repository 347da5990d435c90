#include "rdf/node.h"

#include <new>
#include <unordered_map>
#include <utility>

#include "rdf/parse_session.h"
#include "rdf/printed_form.h"

namespace Redland {

// The printed form and the parts, back to back after the header: one allocation per term.
struct Node::Term {
    uint32_t references;
    Kind kind;
    uint32_t printedLength, textLength, datatypeLength, languageLength;

    const char* chars() const { return reinterpret_cast<const char*>(this + 1); }
    std::string_view printed() const { return {chars(), printedLength}; }
    std::string_view text() const { return {chars() + printedLength, textLength}; }
    std::string_view datatype() const { return {chars() + printedLength + textLength, datatypeLength}; }
    std::string_view language() const {
        return {chars() + printedLength + textLength + datatypeLength, languageLength};
    }
};

namespace {

struct Key {
    Node::Kind kind;
    std::string_view printed;
    bool operator==(const Key& other) const { return kind == other.kind && printed == other.printed; }
};

struct KeyHash {
    size_t operator()(const Key& key) const {
        return std::hash<std::string_view>()(key.printed) + static_cast<size_t>(key.kind);
    }
};

using Terms = std::unordered_map<Key, Node::Term*, KeyHash>;

// Never destroyed: Nodes with static storage (the vocabulary) are released after every other destructor.
Terms& terms() {
    static Terms* held = new Terms;
    return *held;
}

// Where an IRI's local name starts: after its first "#", else after its last "/", else at its start.
size_t localNameStart(std::string_view iri) {
    const size_t hash = iri.find('#');
    if (hash != std::string_view::npos) return hash + 1;
    const size_t slash = iri.rfind('/');
    return slash != std::string_view::npos ? slash + 1 : 0;
}

std::string canonicalBoolean(const std::string& text) {
    return text == "true" || text == "TRUE" || text == "1" ? "true" : "false";
}

}  // namespace

Node Node::make(Kind kind, std::string_view text, std::string_view datatypeIri, std::string_view language) {
    if (kind != Kind::Literal) datatypeIri = language = {};
    if (!language.empty()) datatypeIri = {};
    // Nodes are made far more often than terms: the printed form is built where it can be reused.
    static std::string printed;
    printed.clear();
    appendPrintedForm(printed, kind, text, datatypeIri, language);
    Terms& held = terms();
    const auto found = held.find(Key{kind, printed});
    if (found != held.end()) {
        ++found->second->references;
        return Node(found->second);
    }
    const size_t size = printed.size() + text.size() + datatypeIri.size() + language.size();
    Term* term = static_cast<Term*>(::operator new(sizeof(Term) + size));
    *term = Term{1,
                 kind,
                 static_cast<uint32_t>(printed.size()),
                 static_cast<uint32_t>(text.size()),
                 static_cast<uint32_t>(datatypeIri.size()),
                 static_cast<uint32_t>(language.size())};
    char* at = const_cast<char*>(term->chars());
    for (const std::string_view part : {std::string_view(printed), text, datatypeIri, language}) {
        part.copy(at, part.size());
        at += part.size();
    }
    held.emplace(Key{kind, term->printed()}, term);
    return Node(term);
}

Node::Node(const Node& other) noexcept : term_(other.term_) {
    if (term_) ++term_->references;
}

Node::Node(Node&& other) noexcept : term_(std::exchange(other.term_, nullptr)) {}

Node::Node(const std::string& iri) : Node(iri.empty() ? Node() : make(Kind::Iri, iri)) {}

Node::Node(const char* iri) : Node(iri ? std::string(iri) : std::string()) {}

Node Node::literal(const std::string& text) { return make(Kind::Literal, text); }

Node Node::typedLiteral(const std::string& text, const std::string& datatypeIri) {
    static const std::string BOOLEAN = "http://www.w3.org/2001/XMLSchema#boolean";
    return make(Kind::Literal, datatypeIri == BOOLEAN ? canonicalBoolean(text) : text, datatypeIri);
}

Node Node::languageLiteral(const std::string& text, const std::string& language) {
    std::string tag = language;
    for (char& c : tag) {
        if (c == '_') c = '-';
    }
    return make(Kind::Literal, text, {}, tag);
}

Node Node::blank() { return blank(newBlankId()); }

Node Node::blank(const std::string& id) { return id.empty() ? blank() : make(Kind::Blank, id); }

Node& Node::operator=(Node other) noexcept {
    std::swap(term_, other.term_);
    return *this;
}

Node::~Node() {
    if (!term_ || --term_->references > 0) return;
    terms().erase(Key{term_->kind, term_->printed()});
    ::operator delete(term_);
}

bool operator<(const Node& a, const Node& b) {
    if (a.term_ == b.term_) return false;
    if (const int order = a.printed().compare(b.printed())) return order < 0;
    return a.isBlank() && b.isResource();
}

std::string_view Node::printed() const { return term_ ? term_->printed() : std::string_view(); }

Node::Kind Node::kind() const { return term_ ? term_->kind : Kind::Iri; }

std::string_view Node::text() const { return term_ ? term_->text() : std::string_view(); }

std::string_view Node::datatype() const { return term_ ? term_->datatype() : std::string_view(); }

std::string_view Node::language() const { return term_ ? term_->language() : std::string_view(); }

URI Node::getUri() const { return isResource() ? URI(getUriString()) : URI(); }

std::string Node::getUriString() const { return isResource() ? std::string(text()) : std::string(); }

std::string Node::getNamespace() const {
    if (!isResource()) return std::string();
    const std::string_view iri = text();
    return std::string(iri.substr(0, localNameStart(iri)));
}

std::string Node::getLocalName() const {
    if (!isResource()) return std::string();
    const std::string_view iri = text();
    return std::string(iri.substr(localNameStart(iri)));
}

std::string Node::getLiteralValue() const { return isLiteral() ? std::string(text()) : std::string(); }

URI Node::getLiteralDatatype() const { return isLiteral() ? URI(std::string(datatype())) : URI(); }

std::string Node::getBlankIdentifier() const { return isBlank() ? std::string(text()) : std::string(); }

}  // namespace Redland
