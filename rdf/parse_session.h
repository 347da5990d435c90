#pragma once
// State that the world's librdf/raptor handlers keep for the library: blank node ids and parse errors.
#include <string>

namespace Redland {

// "b1", "b2", ... in order of request. librdf's own generator (a null id given to
// librdf_new_node_from_blank_identifier) mixes in the process id, so the library never relies on it.
std::string newBlankId();

// For the world's librdf and raptor handlers: an error a parser logged, and the fresh id that stands for a
// document's blank node id within the parse under way.
void noteLoggedError();
std::string sessionBlankId(const std::string& documentId);
// False for a message of a parse that has shown its first few already: a corrupt file makes the parsers
// report every broken line. The session counts what it held back and says so when it ends.
bool admitParseMessage();

// One parse. Blank node ids read from the document are renamed to fresh ones, consistently within the
// session, so that they never collide with ids generated in this run. Errors the parsers log are counted:
// librdf's Turtle and N-Triples parsers report success on syntax errors.
class ParseSession {
public:
    ParseSession();
    ~ParseSession();
    ParseSession(const ParseSession&) = delete;
    ParseSession& operator=(const ParseSession&) = delete;

    bool hadErrors() const;

private:
    unsigned long errorsBefore_;
};

}  // namespace Redland
