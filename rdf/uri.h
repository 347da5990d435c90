#pragma once
#include <raptor2.h>

#include <string>

namespace Redland {

// Owns one reference to a raptor URI.
class URI {
public:
    URI() = default;
    explicit URI(const char* text);         // null or empty text: null URI
    explicit URI(const std::string& text);  // empty text: null URI
    // Takes over the caller's reference.
    static URI adopt(raptor_uri* uri);
    URI(const URI& other);
    URI(URI&& other) noexcept;
    URI& operator=(URI other) noexcept;
    virtual ~URI();

    virtual bool isValid() const { return uri_ != nullptr; }
    // The URI text, owned by this object (valid until the next call or destruction); null for a null URI.
    const char* toString() const;
    std::string str() const;                  // empty for a null URI
    raptor_uri* get() const { return uri_; }  // shared, not transferred

private:
    raptor_uri* uri_ = nullptr;
    mutable std::string cached_;
};

}  // namespace Redland
