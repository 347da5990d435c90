#pragma once
// Value wrapper of one librdf node. Every Node holds a reference of its own and releases it.
#include <librdf.h>

#include <string>

#include "rdf/uri.h"

namespace Redland {

class Node {
public:
    Node() = default;  // the null node
    Node(const Node& other);
    Node(Node&& other) noexcept;
    explicit Node(const std::string& iri);  // URI node; empty text gives the null node
    explicit Node(const char* iri);         // URI node; null or empty text gives the null node
    // Takes over the caller's reference to n (n may be null).
    static Node adopt(librdf_node* n);
    // Adds a reference of its own to n (n may be null).
    static Node share(librdf_node* n);

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

    librdf_node* get() const { return node_; }  // shared, not transferred

    friend bool operator==(const Node& a, const Node& b) { return a.text_ == b.text_; }
    friend bool operator!=(const Node& a, const Node& b) { return a.text_ != b.text_; }
    friend bool operator<(const Node& a, const Node& b) { return a.text_ < b.text_; }

private:
    explicit Node(librdf_node* adopted);
    librdf_node* node_ = nullptr;
    std::string text_;
};

}  // namespace Redland
