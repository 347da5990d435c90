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
    static raptor_uri* uri(const URI& uri) { return uri.uri_; }
    static URI adoptUri(raptor_uri* uri) {
        URI result;
        result.uri_ = uri;
        return result;
    }
};

// Shared, not transferred.
inline raptor_uri* raw(const URI& uri) { return Handles::uri(uri); }

// The Node of librdf's term (the null node for null); n stays the caller's.
Node shareNode(const librdf_node* n);
// The same, releasing the caller's reference to n.
Node adoptNode(librdf_node* n);
// A new librdf node for the term, the caller's to release (null for the null node).
librdf_node* newLibrdfNode(const Node& node);
// Takes over the caller's reference to uri (uri may be null).
inline URI adoptUri(raptor_uri* uri) { return Handles::adoptUri(uri); }

}  // namespace Redland
