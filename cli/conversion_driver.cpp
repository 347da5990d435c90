#include "cli/conversion_driver.h"

#include <iostream>

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
#include "rdf/manager.h"

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

void saveAll(RdfCpp::GraphManager& manager) {
    std::cout << "Save output ontology" << std::endl << std::endl << std::endl;
    manager.save(nullptr);
}

}  // namespace

bool runConversion(ExpressSchema& schema, ConversionSettings settings) {
    echoSettings(schema, settings);
    int errorCount = 0;
    RdfCpp::GraphManager manager;
    RdfCpp::ConnectorLocal connector(settings.serializationFormat, settings.repositoryPath, "Tbox");

    RdfCpp::Graph* schemaGraph = nullptr;
    RdfCpp::Graph* vocabularyGraph = nullptr;
    if (settings.adoptLdwgDecisions) {
        // The EXPRESS ontology imports the list vocabulary, which a fresh repository does not hold yet.
        ensureListVocabulary(connector);
        if (settings.generateExpressOntology) {
            printGenerateExpressTitle();
            writeExpressOntology(manager, connector);
        } else if (!repositoryHolds(connector, OntologyIris::expressVocabularyIri)) {
            std::cout << "EXPRESS ontology not found in the repository: it is generated now" << std::endl;
            printGenerateExpressTitle();
            writeExpressOntology(manager, connector);
        }
        schemaGraph = manager.createRootGraph(settings.ontologyUri, &connector);
        if (!schemaGraph) return false;
        vocabularyGraph = manager.importGraph(OntologyIris::expressVocabularyIri, schemaGraph, &connector, {});
        if (!vocabularyGraph) {
            std::cout << "ERROR: the EXPRESS ontology could not be imported; conversion stopped" << std::endl;
            return false;
        }
    } else {
        schemaGraph = vocabularyGraph = manager.createRootGraph(settings.ontologyUri, &connector);
        if (!schemaGraph) return false;
    }

    if (settings.ontologyVersionUri.empty()) settings.ontologyVersionUri = settings.ontologyUri;
    writeSchemaOntologyHeader(*schemaGraph, manager, schema, settings);

    GenerationContext ctx{schema, manager, *schemaGraph, *vocabularyGraph, settings, errorCount};
    addExpressAnchors(schema, *vocabularyGraph);
    setUpListVocabulary(ctx);
    runPhases(ctx);
    saveAll(manager);

    if (isIfcOntologyUri(settings.ontologyUri) && settings.whereRuleExpressions) {
        std::cout << std::endl << "Generate Class Expressions from EXPRESS WHERE rules" << std::endl;
        const std::string rulesUri = settings.ontologyUri + "_rules";
        RdfCpp::Graph* rulesGraph = manager.createRootGraph(rulesUri, &connector);
        if (!rulesGraph) return false;
        manager.importGraph(settings.ontologyUri, rulesGraph, &connector, {});
        writeRulesOntologyHeader(*rulesGraph, rulesUri, schema);
        generateRuleClassExpressions(schema, manager, *rulesGraph, errorCount);
        saveAll(manager);
    }

    std::cout << std::endl << stars38 << std::endl;
    std::cout << "Generation Report" << std::endl;
    std::cout << "- N.Errors: " << errorCount << std::endl;
    std::cout << stars38 << std::endl << std::endl;
    return true;
}
