#include "rdf/parse_session.h"

#include <iostream>
#include <map>

namespace Redland {
namespace {

// Constant-initialised, so usable during static initialisation of the vocabulary constants.
unsigned long generatedBlankCount = 0;
unsigned long loggedErrorCount = 0;

const unsigned long shownPerParse = 5;
bool inParse = false;
unsigned long shownInParse = 0, hiddenInParse = 0;

// Document id -> our id, for the parse under way.
std::map<std::string, std::string>& documentIds() {
    static std::map<std::string, std::string> ids;
    return ids;
}

}  // namespace

std::string newBlankId() { return "b" + std::to_string(++generatedBlankCount); }

void noteLoggedError() { ++loggedErrorCount; }

std::string sessionBlankId(const std::string& documentId) {
    auto& ids = documentIds();
    auto found = ids.find(documentId);
    if (found == ids.end()) found = ids.emplace(documentId, newBlankId()).first;
    return found->second;
}

bool admitParseMessage() {
    if (!inParse) return true;
    if (shownInParse >= shownPerParse) {
        ++hiddenInParse;
        return false;
    }
    ++shownInParse;
    return true;
}

ParseSession::ParseSession() : errorsBefore_(loggedErrorCount) {
    documentIds().clear();
    inParse = true;
    shownInParse = hiddenInParse = 0;
}

ParseSession::~ParseSession() {
    documentIds().clear();
    if (hiddenInParse > 0)
        std::cout << "Redland: " << hiddenInParse << " more messages of this parse not shown" << std::endl;
    inParse = false;
}

bool ParseSession::hadErrors() const { return loggedErrorCount != errorsBefore_; }

}  // namespace Redland
