#pragma once
// A statement sink that keeps every statement as one N-Triples-like line, for the converter's tests.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "rdf/triple_sink.h"

class CollectingSink : public RdfCpp::TripleSink {
public:
    std::vector<std::string> lines;
    std::map<std::string, std::string> prefixes;
    bool finished = false;

    void prefix(const std::string& name, const std::string& iri) override { prefixes[name] = iri; }
    bool triple(const RdfCpp::Term& s, const RdfCpp::Term& p, const RdfCpp::Term& o) override {
        lines.push_back(text(s) + " " + text(p) + " " + text(o));
        return true;
    }
    bool finish() override {
        finished = true;
        return true;
    }
    bool has(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
    // The objects of the statements with this subject and predicate, in output order.
    std::vector<std::string> objects(const std::string& subject, const std::string& predicate) const {
        std::vector<std::string> found;
        const std::string head = subject + " " + predicate + " ";
        for (const std::string& line : lines)
            if (line.compare(0, head.size(), head) == 0) found.push_back(line.substr(head.size()));
        return found;
    }
    // Prefixed names keep the expectations readable.
    std::string text(const RdfCpp::Term& t) const {
        if (t.kind == RdfCpp::Term::Kind::Literal)
            return "\"" + t.value + "\"" + (t.datatype.empty() ? "" : "^^" + shorten(t.datatype));
        if (t.kind == RdfCpp::Term::Kind::Blank) return "_:" + t.value;
        return shorten(t.value);
    }

private:
    std::string shorten(const std::string& iri) const {
        for (const auto& [name, ns] : prefixes)
            if (!ns.empty() && iri.compare(0, ns.size(), ns) == 0) return name + ":" + iri.substr(ns.size());
        return "<" + iri + ">";
    }
};
