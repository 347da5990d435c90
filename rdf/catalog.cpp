#include "rdf/catalog.h"

#include <tinyxml.h>

#include <boost/filesystem/operations.hpp>

#include "rdf/atomic_file.h"

namespace RdfCpp {

namespace {

// The node as XML text, each line indented to sit under the catalog element.
std::string nodeText(const TiXmlNode& node) {
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    printer.SetLineBreak("\n");
    node.Accept(&printer);
    std::string out;
    std::string::size_type start = 0;
    const std::string& printed = printer.Str();
    while (start < printed.size()) {
        std::string::size_type end = printed.find('\n', start);
        if (end == std::string::npos) end = printed.size();
        if (end > start) out += "    " + printed.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return out;
}

}  // namespace

bool Catalog::read(const std::string& file, std::string& error) {
    boost::system::error_code ec;
    const boost::filesystem::file_status status = boost::filesystem::status(file, ec);
    if (!boost::filesystem::exists(status)) return true;
    if (!boost::filesystem::is_regular_file(status)) {
        error = file + " is not a file";
        return false;
    }
    TiXmlDocument document;
    if (!document.LoadFile(file)) {
        error = std::string("cannot parse ") + file + ": " + document.ErrorDesc();
        return false;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "catalog") return true;
    for (const TiXmlNode* child = root->FirstChild(); child; child = child->NextSibling()) {
        const TiXmlElement* element = child->ToElement();
        if (element && element->ValueStr() == "uri") {
            const std::string* name = element->Attribute(std::string("name"));
            const std::string* target = element->Attribute(std::string("uri"));
            if (name && target) {
                entries[*name] = *target;
                continue;
            }
        }
        if (element || child->ToComment()) foreign.push_back(nodeText(*child));
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
    for (const std::string& node : foreign) out += node;
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
