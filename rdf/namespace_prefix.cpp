#include "rdf/namespace_prefix.h"

#include <set>

namespace RdfCpp {
namespace {

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

bool startsWithXml(const std::string& text) {
    if (text.size() < 3) return false;
    auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
    return lower(text[0]) == 'x' && lower(text[1]) == 'm' && lower(text[2]) == 'l';
}

std::string freePrefix(const std::set<std::string>& taken) {
    for (unsigned number = 1;; ++number) {
        const std::string candidate = "ns" + std::to_string(number);
        if (!taken.count(candidate)) return candidate;
    }
}

}  // namespace

bool isXmlPrefix(const std::string& text) {
    if (text.empty() || !isNameStart(text[0]) || startsWithXml(text)) return false;
    for (char c : text) {
        if (!isNameChar(c)) return false;
    }
    return true;
}

std::string prefixForIri(const std::string& iri) {
    std::string::size_type end = iri.size();
    while (end > 0 && (iri[end - 1] == '/' || iri[end - 1] == '#' || iri[end - 1] == ':')) --end;
    std::string::size_type start = end;
    while (start > 0 && iri[start - 1] != '/' && iri[start - 1] != '#' && iri[start - 1] != ':') --start;
    const std::string segment = iri.substr(start, end - start);
    // The prefixes every saved ontology declares stay with their own namespaces.
    static const std::set<std::string> reserved = {"rdf", "rdfs", "owl", "xsd", "dce", "vann", "cc", "expr", "list"};
    return isXmlPrefix(segment) && !reserved.count(segment) ? segment : "ns1";
}

std::string namespaceForIri(const std::string& iri) {
    std::string::size_type end = iri.size();
    while (end > 0 && iri[end - 1] == '#') --end;
    return iri.substr(0, end) + "#";
}

std::map<std::string, std::string> withXmlPrefixes(const std::map<std::string, std::string>& prefixes) {
    std::set<std::string> taken;
    for (const auto& entry : prefixes) {
        if (isXmlPrefix(entry.second)) taken.insert(entry.second);
    }
    std::map<std::string, std::string> result;
    std::set<std::string> used;
    for (const auto& entry : prefixes) {
        std::string prefix = entry.second;
        if (!isXmlPrefix(prefix) || used.count(prefix)) {
            prefix = freePrefix(taken);
            taken.insert(prefix);
        }
        used.insert(prefix);
        result[entry.first] = prefix;
    }
    return result;
}

}  // namespace RdfCpp
