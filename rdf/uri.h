#pragma once
#include <string>

struct raptor_uri_s;  // raptor_uri, opaque outside rdf/

namespace Redland {

class Handles;  // rdf/redland_handles.h

// Owns one reference to a raptor URI.
class URI {
public:
    URI() = default;
    explicit URI(const char* text);         // null or empty text: null URI
    explicit URI(const std::string& text);  // empty text: null URI
    URI(const URI& other);
    URI(URI&& other) noexcept;
    URI& operator=(URI other) noexcept;
    virtual ~URI();

    virtual bool isValid() const { return uri_ != nullptr; }
    // The URI text, owned by this object (valid until the next call or destruction); null for a null URI.
    const char* toString() const;
    std::string str() const;  // empty for a null URI

private:
    friend class Handles;
    raptor_uri_s* uri_ = nullptr;
    mutable std::string cached_;
};

}  // namespace Redland
