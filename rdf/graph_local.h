#pragma once
// A model that belongs to a local file repository and remembers its file.
#include <string>

#include "rdf/model.h"

namespace RdfCpp {

class ConnectorLocal;

class GraphLocal : public Redland::Model {
public:
    // path is relative to the repository folder; unless isNew, the file is loaded (isValid() false on failure).
    GraphLocal(const std::string& path, ConnectorLocal* connector, bool isNew);

    bool setUri(std::string newUri) override;

    const std::string& getFileName() const { return fileName; }
    const std::string& getPath() const { return path; }
    // Saves the graph under another file, relative to the repository folder, from now on.
    void setPath(const std::string& newPath);
    const std::string& getFolder() const { return folder; }

private:
    std::string fileName;  // last element of path
    std::string path;      // relative to the repository folder
    std::string folder;    // the connector's repository path at creation
};

}  // namespace RdfCpp
