#pragma once
// The statements of one attribute value, following the generated ontology: entity references as instance IRIs,
// typed values as wrapper nodes with their literal, enumeration items as individuals, LIST and ARRAY as chains of
// list cells, SET and BAG as one statement per member.
#include <cstdint>
#include <string>
#include <vector>

#include "instances/instance_naming.h"
#include "instances/schema_layouts.h"
#include "instances/triple_buffer.h"
#include "instances/vocabulary_iris.h"
#include "step/diagnostics.h"
#include "step/statement_scanner.h"
#include "step/step_value.h"

namespace Instances {

class ValueConverter {
public:
    ValueConverter(const Namespaces& namespaces, const InstanceNaming& naming, std::uint64_t firstNodeNumber,
                   Step::Diagnostics& diagnostics);

    // Where the values that follow come from, for messages.
    void setInstance(const Step::Statement& statement, std::uint64_t number);

    // Adds the attribute's statements to out and those of the nodes it needs to nodes, each node's together;
    // false when the attribute is left out (the reason is reported).
    bool convertAttribute(const RdfCpp::Term& subject, const AttributeSlot& slot, const Step::StepValue& value,
                          TripleBuffer& out, TripleBuffer& nodes);

private:
    enum class Outcome { Written, LeftOut, Refused };
    using Term = RdfCpp::Term;

    Outcome convert(const Step::StepValue& value, const TypeInfo& type, int listLevels, Term& out);
    Outcome convertList(const Step::StepValue& value, const TypeInfo& type, int listLevels, Term& out);
    Outcome convertReference(const Step::StepValue& value, const std::string& entity, Term& out);
    Outcome convertSelect(const Step::StepValue& value, const TypeInfo& select, Term& out);
    Outcome convertDefined(const Step::StepValue& value, const TypeInfo& type, Term& out);
    Outcome convertSimple(const Step::StepValue& value, const TypeInfo& type, Term& out);
    Outcome convertMembers(const Step::StepValue& value, const TypeInfo& member, std::vector<Term>& members);

    Term nodeIri(const std::string& name);
    void writeChain(const std::vector<Term>& members, const std::string& cellName, const std::string& cellClass,
                    Term& head);
    std::string listClassIri(const TypeInfo& member, int levels, bool empty) const;
    Outcome refuse(const Step::StepValue& value, const std::string& message);
    Outcome wrongKind(const Step::StepValue& value, const std::string& expected);

    const Namespaces& ns_;
    const InstanceNaming& naming_;
    Step::Diagnostics& diagnostics_;
    std::uint64_t nextNode_;
    TripleBuffer* out_ = nullptr;
    const Step::Statement* statement_ = nullptr;
    std::uint64_t number_ = 0;
    const AttributeSlot* slot_ = nullptr;
    std::string rdfType_, hasContents_, hasNext_, hasSet_;
    Term classTerm_, literal_;
};

}  // namespace Instances
