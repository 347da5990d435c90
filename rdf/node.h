#pragma once
// One RDF term as a value. A term is held once in the process, found by its kind and printed form, and
// shared by the Nodes that name it: a copy is a reference count, and two Nodes are equal exactly when they
// name the same term. Nodes are not shared between threads.
#include <cstdint>
#include <string>
#include <string_view>

#include "rdf/uri.h"

namespace Redland {

class Node {
public:
    enum class Kind : uint8_t { Iri, Blank, Literal };

    Node() = default;  // the null node
    Node(const Node& other) noexcept;
    Node(Node&& other) noexcept;
    explicit Node(const std::string& iri);  // URI node; empty text gives the null node
    explicit Node(const char* iri);         // URI node; null or empty text gives the null node

    static Node literal(const std::string& text);  // plain literal
    // An xsd:boolean is written canonically ("true" for "true", "TRUE" and "1", else "false"), as librdf
    // has always written it; an empty datatype gives a plain literal.
    static Node typedLiteral(const std::string& text, const std::string& datatypeIri);
    // '_' in the tag is read as '-'; an empty tag gives a plain literal.
    static Node languageLiteral(const std::string& text, const std::string& language);
    // A blank node with a fresh identifier from the process-wide counter (deterministic per run).
    static Node blank();
    static Node blank(const std::string& id);
    // The general constructor: datatype and language are for literals, and a literal has at most one.
    static Node make(Kind kind, std::string_view text, std::string_view datatypeIri = {},
                     std::string_view language = {});

    Node& operator=(Node other) noexcept;
    virtual ~Node();

    virtual bool isValid() const { return term_ != nullptr; }
    bool isResource() const { return term_ && kind() == Kind::Iri; }
    bool isBlank() const { return term_ && kind() == Kind::Blank; }
    bool isLiteral() const { return term_ && kind() == Kind::Literal; }

    // Printed form: <iri>, "lexical"@lang / "lexical"^^<dt>, <_:id>; empty for the null node.
    std::string_view printed() const;
    std::string toString() const { return std::string(printed()); }
    URI getUri() const;
    std::string getUriString() const;
    std::string getNamespace() const;
    std::string getLocalName() const;
    std::string getLiteralValue() const;
    URI getLiteralDatatype() const;
    std::string getBlankIdentifier() const;

    // The parts, without copies (empty for the null node): the IRI, blank label or lexical form; a literal's
    // datatype IRI and language tag.
    Kind kind() const;
    std::string_view text() const;
    std::string_view datatype() const;
    std::string_view language() const;
    // The same for every Node of one term, different for every other term while either lives.
    const void* identity() const { return term_; }

    friend bool operator==(const Node& a, const Node& b) { return a.term_ == b.term_; }
    friend bool operator!=(const Node& a, const Node& b) { return a.term_ != b.term_; }
    // By printed form; a blank node and an IRI that print alike, blank node first.
    friend bool operator<(const Node& a, const Node& b);

    struct Term;  // defined where Nodes are made

private:
    explicit Node(Term* held) : term_(held) {}
    Term* term_ = nullptr;
};

}  // namespace Redland
