#pragma once
// Statements of one instance held back until they are known to be sound, so a faulty attribute can be taken
// out again; the terms' storage is reused from instance to instance.
#include <cstddef>
#include <string>
#include <vector>

#include "rdf/triple_sink.h"

namespace Instances {

class TripleBuffer {
public:
    using Term = RdfCpp::Term;
    void add(const Term& subject, const std::string& predicateIri, const Term& object);
    std::size_t size() const { return used_; }
    void truncate(std::size_t size) {
        if (size < used_) used_ = size;
    }
    // Hands everything to the sink and empties the buffer; false when the sink failed.
    bool flush(RdfCpp::TripleSink& sink);

private:
    struct Triple {
        Term subject, predicate, object;
    };
    std::vector<Triple> triples_;
    std::size_t used_ = 0;
};

}  // namespace Instances
