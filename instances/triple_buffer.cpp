#include "instances/triple_buffer.h"

namespace Instances {

namespace {
void assign(RdfCpp::Term& target, const RdfCpp::Term& source) {
    target.kind = source.kind;
    target.value.assign(source.value);
    target.datatype.assign(source.datatype);
    target.language.assign(source.language);
}
}  // namespace

void TripleBuffer::add(const Term& subject, const std::string& predicateIri, const Term& object) {
    if (used_ == triples_.size()) triples_.emplace_back();
    Triple& t = triples_[used_++];
    assign(t.subject, subject);
    t.predicate.kind = Term::Kind::Iri;
    t.predicate.value.assign(predicateIri);
    assign(t.object, object);
}

bool TripleBuffer::flush(RdfCpp::TripleSink& sink) {
    bool ok = true;
    for (std::size_t i = 0; i < used_; ++i)
        ok = sink.triple(triples_[i].subject, triples_[i].predicate, triples_[i].object) && ok;
    used_ = 0;
    return ok;
}

}  // namespace Instances
