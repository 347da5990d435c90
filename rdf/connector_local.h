#pragma once
// A repository folder of RDF files, each saved with an OASIS catalog-v001.xml beside it.
#include <string>
#include <vector>

#include "rdf/connector.h"

namespace RdfCpp {

class ConnectorLocal : public Connector {
public:
    // For a non-empty repositoryPath the repository folder (getRepositoryFolder()) is created with its parents;
    // a failure is printed, never thrown.
    ConnectorLocal(const std::string& serFormat, const std::string& repositoryPath, const std::string& tboxFolder);

    bool _readConfig(const std::string& configFile) override;
    bool isRemote() const override { return false; }
    std::unique_ptr<Graph> loadGraph(const std::string& uriOrName) override;
    std::unique_ptr<Graph> createGraph(const std::string& uri) override;
    bool _save(Graph* graph, const std::vector<Graph*>& importedGraphs,
               std::map<std::string, std::string> prefixes) override;
    bool isSameRepository(const Connector* other) const override;
    bool query(SparqlQuery& query, Graph* graph, bool clearResults) override;
    bool queryGraphs(SparqlQuery& query, std::set<Graph*> fromGraphs, std::set<Graph*> namedGraphs,
                     bool clearResults) override;
    // Graph files below the repository folder (.owl/.rdf, any case), shallowest first, relative paths.
    virtual bool getLocalModelList(std::vector<std::string>& out);

    const std::string& getRepositoryPath() const { return repositoryPath; }
    // repositoryPath made absolute against the executable's folder.
    std::string getRepositoryFolder() const;

private:
    std::string writtenFileName(Graph& graph) const;

    std::string repositoryPath;
    bool inSubfolder = false;
    std::string serFormat;
    std::string tboxFolder;
    std::vector<std::string> modelList;
};

}  // namespace RdfCpp
