#pragma once
// A librdf model of its own for what only librdf does for a graph: parsing a document, raptor's serializers
// and SPARQL. Internal to rdf/: it hands out the C library's handle.
#include "rdf/statement_store.h"

typedef struct librdf_model_s librdf_model;
typedef struct librdf_storage_s librdf_storage;

namespace Redland {

class ScratchModel {
public:
    ScratchModel();                                           // empty; get() is null when librdf refuses
    explicit ScratchModel(const StatementStore& statements);  // holding a copy of the statements
    ScratchModel(const ScratchModel&) = delete;
    ScratchModel& operator=(const ScratchModel&) = delete;
    ~ScratchModel();

    librdf_model* get() const { return model_; }
    // Adds every statement of the model to store; false when librdf could not list them.
    bool copyInto(StatementStore& store) const;

private:
    librdf_storage* storage_ = nullptr;
    librdf_model* model_ = nullptr;
};

}  // namespace Redland
