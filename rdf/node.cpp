#include "rdf/node.h"

#include <cstring>
#include <utility>

#include "rdf/parse_session.h"
#include "rdf/printed_form.h"
#include "rdf/redland_handles.h"

namespace Redland {
namespace {

const unsigned char* bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.c_str()); }

// Where an IRI's local name starts: after its first "#", else after its last "/", else at its start.
size_t localNameStart(const std::string& iri) {
    const size_t hash = iri.find('#');
    if (hash != std::string::npos) return hash + 1;
    const size_t slash = iri.rfind('/');
    return slash != std::string::npos ? slash + 1 : 0;
}

}  // namespace

Node::Node(void* adopted) : node_(adopted), text_(printedForm(static_cast<librdf_node*>(adopted))) {}

Node::Node(const Node& other)
    : node_(other.node_ ? librdf_new_node_from_node(raw(other)) : nullptr),
      text_(node_ ? other.text_ : std::string()) {}

Node::Node(Node&& other) noexcept : node_(std::exchange(other.node_, nullptr)), text_(std::move(other.text_)) {
    other.text_.clear();
}

Node::Node(const std::string& iri)
    : Node(iri.empty() ? nullptr : static_cast<void*>(librdf_new_node_from_uri_string(getWorld(), bytes(iri)))) {}

Node::Node(const char* iri) : Node(iri ? std::string(iri) : std::string()) {}

Node Node::literal(const std::string& text) {
    return adoptNode(librdf_new_node_from_literal(getWorld(), bytes(text), nullptr, 0));
}

Node Node::typedLiteral(const std::string& text, const std::string& datatypeIri) {
    URI datatype(datatypeIri);
    return adoptNode(librdf_new_node_from_typed_literal(getWorld(), bytes(text), nullptr, raw(datatype)));
}

Node Node::languageLiteral(const std::string& text, const std::string& language) {
    return adoptNode(librdf_new_node_from_typed_literal(getWorld(), bytes(text),
                                                        language.empty() ? nullptr : language.c_str(), nullptr));
}

Node Node::blank() { return blank(newBlankId()); }

Node Node::blank(const std::string& id) {
    return id.empty() ? blank() : adoptNode(librdf_new_node_from_blank_identifier(getWorld(), bytes(id)));
}

Node& Node::operator=(Node other) noexcept {
    std::swap(node_, other.node_);
    std::swap(text_, other.text_);
    return *this;
}

Node::~Node() {
    if (node_) librdf_free_node(raw(*this));
}

bool Node::isResource() const { return node_ && librdf_node_is_resource(raw(*this)); }

bool Node::isBlank() const { return node_ && librdf_node_is_blank(raw(*this)); }

bool Node::isLiteral() const { return node_ && librdf_node_is_literal(raw(*this)); }

URI Node::getUri() const {
    if (!isResource()) return URI();
    librdf_uri* uri = librdf_node_get_uri(raw(*this));
    return adoptUri(uri ? raptor_uri_copy(uri) : nullptr);
}

std::string Node::getUriString() const {
    if (!isResource()) return std::string();
    size_t length = 0;
    const unsigned char* text = raptor_uri_as_counted_string(librdf_node_get_uri(raw(*this)), &length);
    return text ? std::string(reinterpret_cast<const char*>(text), length) : std::string();
}

std::string Node::getNamespace() const {
    if (!isResource()) return std::string();
    const std::string s = getUriString();
    return s.substr(0, localNameStart(s));
}

std::string Node::getLocalName() const {
    if (!isResource()) return std::string();
    const std::string s = getUriString();
    return s.substr(localNameStart(s));
}

std::string Node::getLiteralValue() const {
    if (!isLiteral()) return std::string();
    size_t length = 0;
    unsigned char* value = librdf_node_get_literal_value_as_counted_string(raw(*this), &length);
    return value ? std::string(reinterpret_cast<const char*>(value), length) : std::string();
}

URI Node::getLiteralDatatype() const {
    if (!isLiteral()) return URI();
    librdf_uri* datatype = librdf_node_get_literal_value_datatype_uri(raw(*this));
    return adoptUri(datatype ? raptor_uri_copy(datatype) : nullptr);
}

std::string Node::getBlankIdentifier() const {
    if (!isBlank()) return std::string();
    size_t length = 0;
    unsigned char* id = librdf_node_get_counted_blank_identifier(raw(*this), &length);
    return id ? std::string(reinterpret_cast<const char*>(id), length) : std::string();
}

}  // namespace Redland
