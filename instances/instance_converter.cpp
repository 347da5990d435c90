#include "instances/instance_converter.h"

#include "express/ontology_names.h"
#include "instances/data_ontology_header.h"
#include "instances/instance_naming.h"
#include "instances/message_log.h"
#include "instances/schema_layouts.h"
#include "instances/triple_buffer.h"
#include "instances/value_converter.h"
#include "instances/vocabulary_iris.h"
#include "step/exchange_file_reader.h"

namespace Instances {
namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "no schema" : text;
}

bool namesSchema(const Step::ExchangeHeader& header, const std::string& schemaName) {
    for (const std::string& name : header.schemas)
        if (upperCase(name) == upperCase(schemaName)) return true;
    return false;
}

class ModelWriter {
public:
    ModelWriter(const Namespaces& ns, const InstanceNaming& naming, std::uint64_t firstNode,
                Step::Diagnostics& diagnostics, RdfCpp::TripleSink& sink)
        : naming_(naming),
          values_(ns, naming, firstNode, diagnostics),
          diagnostics_(diagnostics),
          sink_(sink),
          rdfType_(rdfNamespace + "type") {}

    void write(const Step::StepInstance& instance, const Step::Statement& statement) {
        const ResolvedType* type = naming_.typeOf(instance.number);
        if (!type) return;
        const std::string where = "#" + std::to_string(instance.number);
        if (!type->known) {
            report(statement, where + ": unknown entity " + type->unknownName + "; the instance is left out");
            return;
        }
        for (std::size_t i = 0; i < instance.parts.size(); ++i) {
            const EntityLayout& layout = *type->parts[i];
            const std::size_t expected = instance.isComplex ? layout.own.size() : layout.all.size();
            const std::size_t found = instance.parts[i].parameters.size();
            if (found != expected) {
                report(statement, where + " " + layout.name + ": " + std::to_string(found) + " attributes where " +
                                      layout.name + " has " + std::to_string(expected) + "; the instance is left out");
                return;
            }
        }
        subject_.value.clear();
        naming_.appendIri(subject_.value, instance.number, *type);
        for (const EntityLayout* part : type->parts) {
            classTerm_.value.assign(part->classIri);
            buffer_.add(subject_, rdfType_, classTerm_);
        }
        values_.setInstance(statement, instance.number);
        for (std::size_t i = 0; i < instance.parts.size(); ++i) {
            const EntityLayout& layout = *type->parts[i];
            const std::vector<AttributeSlot>& slots = instance.isComplex ? layout.own : layout.all;
            const std::vector<Step::StepValue>& parameters = instance.parts[i].parameters;
            for (std::size_t a = 0; a < slots.size(); ++a)
                values_.convertAttribute(subject_, slots[a], parameters[a], buffer_, nodes_);
        }
        ++written_;
        // The instance's own statements first, so a Turtle writer can share their subject.
        ok_ = buffer_.flush(sink_) && ok_;
        ok_ = nodes_.flush(sink_) && ok_;
    }

    std::uint64_t written() const { return written_; }
    bool ok() const { return ok_; }

private:
    void report(const Step::Statement& statement, const std::string& message) {
        diagnostics_.report(statement.line, statement.column, message);
    }
    const InstanceNaming& naming_;
    ValueConverter values_;
    Step::Diagnostics& diagnostics_;
    RdfCpp::TripleSink& sink_;
    const std::string rdfType_;
    TripleBuffer buffer_;
    TripleBuffer nodes_;
    RdfCpp::Term subject_ = RdfCpp::Term::iri("");
    RdfCpp::Term classTerm_ = RdfCpp::Term::iri("");
    std::uint64_t written_ = 0;
    bool ok_ = true;
};

}  // namespace

std::string dataOntologyIri(const std::string& base) {
    if (!base.empty() && base.back() == '#') return base.substr(0, base.size() - 1);
    return base;
}

InstanceConversionResult convertInstances(const ExpressSchema& schema, const InstanceConversionSettings& settings,
                                          RdfCpp::TripleSink& sink, std::ostream& messages) {
    InstanceConversionResult result;
    MessageLog log(settings.modelPath, messages);
    Step::ExchangeFileReader reader(settings.modelPath, log);
    if (!reader.index(settings.progress)) {
        log.finish();
        result.messages = log.count();
        return result;
    }
    if (!settings.expectedSchemaName.empty() && !namesSchema(reader.header(), settings.expectedSchemaName)) {
        log.report(0, 0,
                   "the model's FILE_SCHEMA names " + joined(reader.header().schemas) + ", the schema is " +
                       settings.expectedSchemaName);
        log.finish();
        result.messages = log.count();
        return result;
    }
    result.readable = true;

    Namespaces ns;
    ns.schema = schemaNamespace(settings.schemaOntologyIri);
    ns.express = OntologyIris::expressVocabularyIri + "#";
    ns.list = OntologyIris::listVocabularyIri + "#";
    ns.base = settings.base;
    sink.prefix("rdf", rdfNamespace);
    sink.prefix("owl", owlNamespace);
    sink.prefix("xsd", xsdNamespace);
    sink.prefix("dce", dcElementsNamespace);
    sink.prefix("expr", ns.express);
    sink.prefix("list", ns.list);
    sink.prefix(settings.schemaPrefix, ns.schema);
    sink.prefix("inst", ns.base);
    bool ok =
        writeDataOntologyHeader(sink, dataOntologyIri(settings.base), settings.schemaOntologyIri, reader.header());

    const SchemaLayouts layouts(schema, ns.schema, ns.express);
    const InstanceNaming naming(reader.instances(), reader.types(), layouts, ns.base);
    ModelWriter writer(ns, naming, reader.instances().largestNumber() + 1, log, sink);
    reader.readInstances([&writer](const Step::StepInstance& instance,
                                   const Step::Statement& statement) { writer.write(instance, statement); },
                         settings.progress);
    ok = sink.finish() && writer.ok() && ok;
    log.finish();
    result.written = ok;
    result.instances = writer.written();
    result.messages = log.count();
    return result;
}

}  // namespace Instances
