#include "rdf/model.h"

namespace Redland {

Model::Model() {}
Model::~Model() {}
bool Model::addStatement(const Statement&) { return false; }
bool Model::addStatements(const std::vector<Statement>&) { return false; }
bool Model::removeStatement(const Statement&) { return false; }
bool Model::removeStatements(const std::vector<Statement>&) { return false; }
bool Model::get_sources(const Node&, const Node&, std::vector<Node>&) { return false; }
bool Model::get_arcs(const Node&, const Node&, std::vector<Node>&) { return false; }
bool Model::get_targets(const Node&, const Node&, std::vector<Node>&) { return false; }
bool Model::get_targets(const Node&, const Node&, std::set<Node>&) { return false; }
bool Model::get_arcs_in(const Node&, std::set<Node>&) { return false; }
bool Model::get_arcs_out(const Node&, std::set<Node>&) { return false; }
bool Model::transactionStart() { return false; }
bool Model::transactionCommit() { return false; }
bool Model::serializeToString(std::string&, const std::map<std::string, std::string>&, const std::string&) { return false; }
bool Model::loadFromFile(const std::string&) { return false; }
bool Model::loadFromString(const std::string&) { return false; }
bool Model::close() { return false; }
bool Model::serializeToFile(const std::map<std::string, std::string>&, const std::string&, const std::string&) { return false; }
bool Model::serialize(const std::string&, const std::string&, librdf_serializer*) { return false; }
bool Model::query(RdfCpp::SparqlQuery&, bool) { return false; }

}  // namespace Redland
