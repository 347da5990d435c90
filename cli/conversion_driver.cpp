#include "cli/conversion_driver.h"

#include <boost/filesystem/path.hpp>
#include <iostream>

#include "cli/output_files.h"
#include "express/rule_expressions.h"
#include "owlgen/datatypes.h"
#include "owlgen/entity_classes.h"
#include "owlgen/enumerations_selects.h"
#include "owlgen/express_ontology.h"
#include "owlgen/generation_context.h"
#include "owlgen/list_pattern.h"
#include "owlgen/ontology_header.h"
#include "owlgen/ontology_iris.h"
#include "owlgen/properties.h"
#include "rdf/application_directory.h"
#include "rdf/connector_local.h"
#include "rdf/graph_local.h"
#include "rdf/manager.h"
#include "rdf/vocabulary.h"

namespace {

const std::string stars80(80, '*');
const std::string stars38(38, '*');

void echoSettings(const ExpressSchema& schema, const ConversionSettings& s) {
    std::cout << "*** Settings " << std::string(67, '*') << std::endl;
    std::cout << "1. Input EXPRESS file: " << schema.schemaFile << std::endl;
    std::cout << "2. Output OWL file: " << s.outputFile << std::endl;
    std::cout << "3. Ontology URI: " << s.ontologyUri << std::endl;
    std::cout << "4. Repository path: " << anchoredAtApplication(s.repositoryPath) << std::endl;
    std::cout << "5. Add Complex Class Expression for WHERE rules: " << s.whereRuleExpressions << std::endl;
    std::cout << "6. Add Complex Class Expression for LIST cardinality constraints: " << s.listCardinalityExpressions
              << std::endl;
    std::cout << "7. Adopt LDWG decisions: " << s.adoptLdwgDecisions << std::endl;
    std::cout << "8. External Ontology Base URI: " << s.importBaseUri << std::endl;
    std::cout << "9. Generate EXPRESS ontology: " << s.generateExpressOntology << std::endl;
    std::cout << "10. Ontology Version URI: " << s.ontologyVersionUri << std::endl;
    std::cout << stars80 << std::endl << std::endl << std::endl;
}

void printGenerateExpressTitle() { std::cout << "Generate EXPRESS ontology" << std::endl << std::endl << std::endl; }

void runPhases(GenerationContext& ctx) {
    std::cout << "generate Classes" << std::endl;
    generateClasses(ctx.schema, ctx.schemaGraph, ctx.settings.importBaseUri);
    std::cout << "generate DataTypes" << std::endl;
    generateDatatypes(ctx);
    std::cout << "generate Enumerations" << std::endl;
    generateEnumerations(ctx.schema, ctx.schemaGraph, ctx.settings.adoptLdwgDecisions);
    std::cout << "generate Select classes" << std::endl;
    generateSelectClasses(ctx.schema, ctx.schemaGraph, ctx.settings.adoptLdwgDecisions, ctx.errorCount);
    std::cout << "generate Class hierarchy" << std::endl;
    generateClassHierarchy(ctx.schema, ctx.schemaGraph);
    std::cout << "generate Properties and Restrictions... please wait" << std::endl;
    generateProperties(ctx);
    std::cout << "Define Abstract and Disjoint classes" << std::endl;
    defineAbstractAndDisjointClasses(ctx.schema, ctx.schemaGraph);
}

// A failed save has named its file and reason; the report counts it.
void saveAll(RdfCpp::GraphManager& manager, ConversionOutcome& outcome) {
    std::cout << "Save output ontology" << std::endl << std::endl << std::endl;
    if (!manager.save(nullptr)) {
        ++outcome.failedSaves;
        ++outcome.errorCount;
    }
}

std::size_t countTyped(RdfCpp::Graph& graph, const std::vector<Redland::Node>& types) {
    std::size_t count = 0;
    for (const Redland::Node& type : types) {
        std::vector<Redland::Node> found;
        graph.get_sources(Vocabulary::rdf_type, type, found);
        count += found.size();
    }
    return count;
}

// A broken vocabulary file is never used: rebuilt when the run asks for fresh vocabularies, else an error.
bool vocabularyUsable(const std::string& fault, bool rebuild) {
    if (fault.empty()) return true;
    if (rebuild) {
        std::cout << "WARNING: " << fault << "; it is written anew" << std::endl;
        return true;
    }
    std::cout << "ERROR: " << fault
              << "; run with --fresh-vocabulary (switch 9 of the positional form) to write it anew" << std::endl;
    return false;
}

void printReport(int errorCount) {
    std::cout << std::endl << stars38 << std::endl;
    std::cout << "Generation Report" << std::endl;
    std::cout << "- N.Errors: " << errorCount << std::endl;
    std::cout << stars38 << std::endl << std::endl;
}

}  // namespace

ConversionOutcome runConversion(ExpressSchema& schema, ConversionSettings settings) {
    echoSettings(schema, settings);
    ConversionOutcome outcome;
    RdfCpp::GraphManager manager;
    RdfCpp::ConnectorLocal connector(settings.serializationFormat, settings.repositoryPath, "Tbox");

    RdfCpp::Graph* schemaGraph = nullptr;
    RdfCpp::Graph* vocabularyGraph = nullptr;
    if (settings.adoptLdwgDecisions) {
        const bool fresh = settings.generateExpressOntology;
        const std::string listFault = vocabularyFault(connector, OntologyIris::listVocabularyIri);
        if (!vocabularyUsable(listFault, fresh) ||
            !vocabularyUsable(vocabularyFault(connector, OntologyIris::expressVocabularyIri), fresh))
            return outcome;
        const bool listBroken = !listFault.empty();
        // The EXPRESS ontology imports the list vocabulary, which a fresh repository does not hold yet.
        if (!ensureListVocabulary(connector, manager, listBroken)) {
            ++outcome.failedSaves;
            ++outcome.errorCount;
        }
        if (settings.generateExpressOntology) {
            printGenerateExpressTitle();
            if (!writeExpressOntology(manager, connector)) {
                ++outcome.failedSaves;
                ++outcome.errorCount;
            }
        } else if (!repositoryHolds(connector, OntologyIris::expressVocabularyIri)) {
            std::cout << "EXPRESS ontology not found in the repository: it is generated now" << std::endl;
            printGenerateExpressTitle();
            if (!writeExpressOntology(manager, connector)) {
                ++outcome.failedSaves;
                ++outcome.errorCount;
            }
        }
        schemaGraph = manager.createRootGraph(settings.ontologyUri, &connector);
        if (!schemaGraph) return outcome;
        vocabularyGraph = manager.importGraph(OntologyIris::expressVocabularyIri, schemaGraph, &connector, {});
        if (!vocabularyGraph) {
            std::cout << "ERROR: the EXPRESS ontology could not be imported; conversion stopped" << std::endl;
            return outcome;
        }
    } else {
        schemaGraph = vocabularyGraph = manager.createRootGraph(settings.ontologyUri, &connector);
        if (!schemaGraph) return outcome;
    }
    auto* schemaFile = dynamic_cast<RdfCpp::GraphLocal*>(schemaGraph);
    if (schemaFile && !settings.ontologyFileName.empty()) schemaFile->setPath(schemaOntologyFileName(settings));

    if (settings.ontologyVersionUri.empty()) settings.ontologyVersionUri = settings.ontologyUri;
    writeSchemaOntologyHeader(*schemaGraph, manager, schema, settings);

    GenerationContext ctx{schema, manager, *schemaGraph, *vocabularyGraph, settings, outcome.errorCount};
    addExpressAnchors(schema, *vocabularyGraph);
    setUpListVocabulary(ctx);
    runPhases(ctx);
    outcome.classes = countTyped(*schemaGraph, {Vocabulary::owl_Class});
    outcome.properties = countTyped(*schemaGraph, {Vocabulary::owl_ObjectProperty, Vocabulary::owl_DatatypeProperty});
    const int failedBefore = outcome.failedSaves;
    saveAll(manager, outcome);
    if (outcome.failedSaves == failedBefore && schemaFile)
        outcome.ontologyFile =
            (boost::filesystem::path(connector.getRepositoryFolder()) / schemaFile->getPath()).string();

    if (isIfcOntologyUri(settings.ontologyUri) && settings.whereRuleExpressions) {
        std::cout << std::endl << "Generate Class Expressions from EXPRESS WHERE rules" << std::endl;
        const std::string rulesUri = settings.ontologyUri + "_rules";
        RdfCpp::Graph* rulesGraph = manager.createRootGraph(rulesUri, &connector);
        if (!rulesGraph) return outcome;
        auto* rulesFile = dynamic_cast<RdfCpp::GraphLocal*>(rulesGraph);
        if (rulesFile && !settings.ontologyFileName.empty()) rulesFile->setPath(rulesOntologyFileName(settings));
        manager.importGraph(settings.ontologyUri, rulesGraph, &connector, {});
        writeRulesOntologyHeader(*rulesGraph, rulesUri, schema, settings);
        generateRuleClassExpressions(schema, manager, *rulesGraph, outcome.errorCount);
        const int failedBeforeRules = outcome.failedSaves;
        saveAll(manager, outcome);
        if (outcome.failedSaves == failedBeforeRules && rulesFile)
            outcome.rulesFile =
                (boost::filesystem::path(connector.getRepositoryFolder()) / rulesFile->getPath()).string();
    }

    printReport(outcome.errorCount);
    outcome.completed = true;
    return outcome;
}
