#include "rdf/catalog.h"

#include <tinyxml.h>

#include <boost/filesystem/operations.hpp>

#include "rdf/atomic_file.h"

namespace RdfCpp {

bool Catalog::read(const std::string& file, std::string& error) {
    boost::system::error_code ec;
    if (!boost::filesystem::exists(file, ec)) return true;
    TiXmlDocument document;
    if (!document.LoadFile(file)) {
        error = std::string("cannot parse ") + file + ": " + document.ErrorDesc();
        return false;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "catalog") return true;
    for (const TiXmlElement* uri = root->FirstChildElement("uri"); uri; uri = uri->NextSiblingElement("uri")) {
        const std::string* name = uri->Attribute(std::string("name"));
        const std::string* target = uri->Attribute(std::string("uri"));
        if (name && target) entries[*name] = *target;
    }
    return true;
}

std::string Catalog::text() const {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<catalog prefer=\"public\" xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n";
    for (const auto& entry : entries) {
        out += "    <uri id=\"User Entered Import Resolution\" name=\"" + xmlEscape(entry.first) + "\" uri=\"" +
               xmlEscape(entry.second) + "\"/>\n";
    }
    out += "</catalog>\n\n";
    return out;
}

bool Catalog::write(const std::string& file, std::string& error) const {
    return writeTextAtomically(file, text(), error);
}

std::string xmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            // Attribute values would turn these into blanks; character references keep them.
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                // Other control characters cannot appear in XML 1.0 at all.
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

}  // namespace RdfCpp
