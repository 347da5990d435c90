#include "rdf/scratch_model.h"

#include <memory>

#include "rdf/redland_handles.h"

namespace Redland {
namespace {

struct StreamDeleter {
    void operator()(librdf_stream* s) const { librdf_free_stream(s); }
};

}  // namespace

ScratchModel::ScratchModel() {
    storage_ = librdf_new_storage(getWorld(), "trees", "scratch", nullptr);
    if (storage_) model_ = librdf_new_model(getWorld(), storage_, nullptr);
}

ScratchModel::ScratchModel(const StatementStore& statements) : ScratchModel() {
    if (!model_) return;
    const bool copied = statements.visitInOrder([this](const Node& s, const Node& p, const Node& o) {
        // The statement takes over the three new nodes and the model copies it.
        librdf_statement* st =
            librdf_new_statement_from_nodes(getWorld(), newLibrdfNode(s), newLibrdfNode(p), newLibrdfNode(o));
        const bool added = st && librdf_model_add_statement(model_, st) == 0;
        if (st) librdf_free_statement(st);
        return added;
    });
    if (!copied) {
        librdf_free_model(model_);
        model_ = nullptr;
    }
}

ScratchModel::~ScratchModel() {
    if (model_) librdf_free_model(model_);
    if (storage_) librdf_free_storage(storage_);
}

bool ScratchModel::copyInto(StatementStore& store) const {
    if (!model_) return false;
    std::unique_ptr<librdf_stream, StreamDeleter> stream(librdf_model_as_stream(model_));
    if (!stream) return false;
    for (; !librdf_stream_end(stream.get()); librdf_stream_next(stream.get())) {
        librdf_statement* st = librdf_stream_get_object(stream.get());
        if (!st) return false;
        store.add(shareNode(librdf_statement_get_subject(st)), shareNode(librdf_statement_get_predicate(st)),
                  shareNode(librdf_statement_get_object(st)));
    }
    return true;
}

}  // namespace Redland
