#pragma once
// The librdf objects behind the wrappers, for the graph library's own sources: no file outside rdf/
// includes this header, so the C library's types stay behind the layer.
#include <librdf.h>

#include "rdf/node.h"
#include "rdf/statement.h"
#include "rdf/uri.h"
#include "rdf/world.h"

namespace Redland {

// The wrappers' access to one another's librdf objects, and the constructors from them.
class Handles {
public:
    static librdf_node* node(const Node& node) { return static_cast<librdf_node*>(node.node_); }
    static raptor_uri* uri(const URI& uri) { return uri.uri_; }
    static Node adoptNode(librdf_node* n) { return Node(static_cast<void*>(n)); }
    static URI adoptUri(raptor_uri* uri) {
        URI result;
        result.uri_ = uri;
        return result;
    }
};

// Shared, not transferred.
inline librdf_node* raw(const Node& node) { return Handles::node(node); }
inline raptor_uri* raw(const URI& uri) { return Handles::uri(uri); }

// Takes over the caller's reference to n (n may be null).
inline Node adoptNode(librdf_node* n) { return Handles::adoptNode(n); }
// Adds a reference of its own to n (n may be null).
inline Node shareNode(librdf_node* n) { return adoptNode(n ? librdf_new_node_from_node(n) : nullptr); }
// Takes over the caller's reference to uri (uri may be null).
inline URI adoptUri(raptor_uri* uri) { return Handles::adoptUri(uri); }

}  // namespace Redland
