#pragma once
// The OASIS XML catalog (catalog-v001.xml) written beside saved graphs: import URIs and file names mapped
// to file paths relative to the catalog's folder, so that an ontology editor resolves imports locally.
#include <map>
#include <string>
#include <vector>

namespace RdfCpp {

class Catalog {
public:
    // Adds the entries of an existing catalog file. A missing file adds nothing and is no error; a file that
    // does not parse, or a path that is not a file, adds nothing, and error then holds a one-line reason.
    // True when nothing went wrong.
    bool read(const std::string& file, std::string& error);
    std::string text() const;
    // Replaces the file without ever leaving a truncated one behind.
    bool write(const std::string& file, std::string& error) const;

    std::map<std::string, std::string> entries;  // name -> uri, written in key order
    // Everything else the catalog held (group, rewriteURI, nextCatalog, comments, ...), as XML text, written
    // back unchanged after the entries: other tools put them there.
    std::vector<std::string> foreign;
};

// Text made safe inside an XML attribute value.
std::string xmlEscape(const std::string& text);

}  // namespace RdfCpp
