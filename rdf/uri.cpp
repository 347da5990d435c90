#include "rdf/uri.h"

#include <cstring>
#include <utility>

#include "rdf/redland_handles.h"

namespace Redland {
namespace {

raptor_uri* newUri(const char* text, size_t length) {
    if (!text || length == 0) return nullptr;
    return raptor_new_uri_from_counted_string(librdf_world_get_raptor(getWorld()),
                                              reinterpret_cast<const unsigned char*>(text), length);
}

}  // namespace

URI::URI(const char* text) : uri_(newUri(text, text ? std::strlen(text) : 0)) {}

URI::URI(const std::string& text) : uri_(newUri(text.c_str(), text.size())) {}

URI::URI(const URI& other) : uri_(other.uri_ ? raptor_uri_copy(other.uri_) : nullptr) {}

URI::URI(URI&& other) noexcept : uri_(std::exchange(other.uri_, nullptr)) {}

URI& URI::operator=(URI other) noexcept {
    std::swap(uri_, other.uri_);
    cached_.clear();
    return *this;
}

URI::~URI() {
    if (uri_) raptor_free_uri(uri_);
}

const char* URI::toString() const {
    if (!uri_) return nullptr;
    cached_ = str();
    return cached_.c_str();
}

std::string URI::str() const {
    if (!uri_) return std::string();
    size_t length = 0;
    const unsigned char* text = raptor_uri_as_counted_string(uri_, &length);
    return text ? std::string(reinterpret_cast<const char*>(text), length) : std::string();
}

}  // namespace Redland
