#include "rdf/redland_handles.h"

namespace Redland {
namespace {

std::string_view view(const unsigned char* text, size_t length) {
    return text ? std::string_view(reinterpret_cast<const char*>(text), length) : std::string_view();
}

std::string_view uriView(raptor_uri* uri) {
    size_t length = 0;
    const unsigned char* text = uri ? raptor_uri_as_counted_string(uri, &length) : nullptr;
    return view(text, length);
}

const unsigned char* bytes(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

}  // namespace

Node shareNode(const librdf_node* n) {
    if (!n) return Node();
    switch (n->type) {
        case RAPTOR_TERM_TYPE_URI:
            return Node::make(Node::Kind::Iri, uriView(n->value.uri));
        case RAPTOR_TERM_TYPE_BLANK:
            return Node::make(Node::Kind::Blank, view(n->value.blank.string, n->value.blank.string_len));
        case RAPTOR_TERM_TYPE_LITERAL: {
            const raptor_term_literal_value& literal = n->value.literal;
            return Node::make(Node::Kind::Literal, view(literal.string, literal.string_len), uriView(literal.datatype),
                              view(literal.language, literal.language_len));
        }
        default:
            return Node();
    }
}

Node adoptNode(librdf_node* n) {
    Node node = shareNode(n);
    if (n) librdf_free_node(n);
    return node;
}

librdf_node* newLibrdfNode(const Node& node) {
    raptor_world* world = librdf_world_get_raptor(getWorld());
    const std::string_view text = node.text();
    switch (node.isValid() ? node.kind() : Node::Kind::Iri) {
        case Node::Kind::Iri: {
            if (!node.isValid()) return nullptr;
            raptor_uri* uri = raptor_new_uri_from_counted_string(world, bytes(text), text.size());
            if (!uri) return nullptr;
            librdf_node* made = raptor_new_term_from_uri(world, uri);
            raptor_free_uri(uri);
            return made;
        }
        case Node::Kind::Blank:
            return raptor_new_term_from_counted_blank(world, bytes(text), text.size());
        case Node::Kind::Literal: {
            const std::string_view datatype = node.datatype(), language = node.language();
            raptor_uri* uri = datatype.empty()
                                  ? nullptr
                                  : raptor_new_uri_from_counted_string(world, bytes(datatype), datatype.size());
            // The tag's length is a byte in raptor; longer tags are no language tags anyway.
            const std::string tag(language.substr(0, 255));
            librdf_node* made = raptor_new_term_from_counted_literal(world, bytes(text), text.size(), uri,
                                                                     tag.empty() ? nullptr : bytes(tag),
                                                                     static_cast<unsigned char>(tag.size()));
            if (uri) raptor_free_uri(uri);
            return made;
        }
    }
    return nullptr;
}

}  // namespace Redland
