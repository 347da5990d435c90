#pragma once
// Where a local repository keeps a graph's file, relative to the repository folder.
#include <string>

namespace RdfCpp {

class Graph;

// The last path element of the URI without its extension, every "#" removed first and trailing "/" ignored;
// empty when nothing usable is left ("", "." or "..").
std::string uriFileStem(const std::string& uri);

// A new graph's file: name/name.owl when every graph gets a subfolder, else name.owl; empty for an empty name.
std::string newGraphFileName(const std::string& name, bool inSubfolder);

// The extension of a format's files: ".ttl" for "turtle", ".nt" for "ntriples", ".owl" for RDF/XML.
std::string formatFileExtension(const std::string& format);
// True for the extensions of graph files in any format (.owl, .rdf, .ttl, .nt; any case).
bool isGraphFileExtension(const std::string& extension);
// The path with the extension of a graph file in another format replaced by format's own.
std::string withFormatExtension(const std::string& path, const std::string& format);

// A graph's file when saved: a local graph keeps the path it has; a graph holding classes goes to the
// T-box folder (when one is set); otherwise as a new graph. Empty when the graph's URI gives no name.
std::string savedGraphFileName(Graph& graph, const std::string& tboxFolder, bool inSubfolder);

}  // namespace RdfCpp
