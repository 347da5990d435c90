#pragma once
// Value wrapper of one librdf node. Every Node holds a reference of its own and releases it.
#include <string>

#include "rdf/uri.h"

namespace Redland {

class Handles;  // rdf/redland_handles.h

class Node {
public:
    Node() = default;  // the null node
    Node(const Node& other);
    Node(Node&& other) noexcept;
    explicit Node(const std::string& iri);  // URI node; empty text gives the null node
    explicit Node(const char* iri);         // URI node; null or empty text gives the null node

    static Node literal(const std::string& text);  // plain literal
    static Node typedLiteral(const std::string& text, const std::string& datatypeIri);
    static Node languageLiteral(const std::string& text, const std::string& language);
    // A blank node with a fresh identifier from the process-wide counter (deterministic per run).
    static Node blank();
    static Node blank(const std::string& id);

    Node& operator=(Node other) noexcept;
    virtual ~Node();

    virtual bool isValid() const { return node_ != nullptr; }
    bool isResource() const;
    bool isBlank() const;
    bool isLiteral() const;

    // Printed form: <iri>, "lexical"@lang / "lexical"^^<dt>, <_:id>; empty for the null node.
    const std::string& toString() const { return text_; }
    URI getUri() const;
    std::string getUriString() const;
    std::string getNamespace() const;
    std::string getLocalName() const;
    std::string getLiteralValue() const;
    URI getLiteralDatatype() const;
    std::string getBlankIdentifier() const;

    friend bool operator==(const Node& a, const Node& b) { return a.text_ == b.text_; }
    friend bool operator!=(const Node& a, const Node& b) { return a.text_ != b.text_; }
    friend bool operator<(const Node& a, const Node& b) { return a.text_ < b.text_; }

private:
    friend class Handles;
    explicit Node(void* adopted);  // takes over a reference to a librdf_node
    // A librdf_node: librdf declares it as an unnamed struct, so only rdf/ sources see its type.
    void* node_ = nullptr;
    std::string text_;
};

}  // namespace Redland
