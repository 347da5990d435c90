#include "rdf/world.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

#include "rdf/parse_session.h"

namespace Redland {
namespace {

// Constant-initialised, so usable during static initialisation of the constants.
unsigned long generatedBlankCount = 0;
unsigned long loggedErrorCount = 0;
// A corrupt file makes the parsers report every broken line: a parse shows its first few messages only.
const unsigned long shownPerParse = 5;
bool inParse = false;
unsigned long shownInParse = 0, hiddenInParse = 0;

// Document id -> our id, for the parse under way.
std::map<std::string, std::string>& documentIds() {
    static std::map<std::string, std::string> ids;
    return ids;
}

const char* levelName(librdf_log_level level) {
    switch (level) {
        case LIBRDF_LOG_WARN:
            return "warning";
        case LIBRDF_LOG_ERROR:
            return "error";
        case LIBRDF_LOG_FATAL:
            return "fatal error";
        default:
            return "message";
    }
}

int logToStdout(void*, librdf_log_message* message) {
    const librdf_log_level level = librdf_log_message_level(message);
    if (level >= LIBRDF_LOG_ERROR) ++loggedErrorCount;
    // Debug notes, and rasqal's remarks on how a query uses its variables, are no news for the user.
    if (level < LIBRDF_LOG_WARN ||
        (level == LIBRDF_LOG_WARN && librdf_log_message_facility(message) == LIBRDF_FROM_QUERY))
        return 1;
    if (inParse && shownInParse >= shownPerParse) {
        ++hiddenInParse;
        return 1;
    }
    if (inParse) ++shownInParse;
    std::string line = std::string("Redland ") + levelName(level) + ": ";
    const char* text = librdf_log_message_message(message);
    line += text ? text : "";
    raptor_locator* locator = librdf_log_message_locator(message);
    if (locator && locator->line > 0) line += " (line " + std::to_string(locator->line) + ")";
    std::cout << line << std::endl;
    return 1;
}

unsigned char* copyForRaptor(const std::string& text) {
    auto* out = static_cast<unsigned char*>(std::malloc(text.size() + 1));
    if (out) std::memcpy(out, text.c_str(), text.size() + 1);
    return out;
}

// Ids come from our own counter ("b1", "b2", ...) so output is the same on every run. Ids read from a
// document are replaced by fresh ones, consistently within one parse: a file saved by an earlier run holds
// ids such as "b12" that would otherwise collide with ids this run generates, silently merging distinct nodes.
unsigned char* generateBlankId(void*, unsigned char* userId) {
    if (!userId) return copyForRaptor(newBlankId());
    std::string documentId(reinterpret_cast<const char*>(userId));
    std::free(userId);  // raptor hands the id over to the handler
    auto& ids = documentIds();
    auto found = ids.find(documentId);
    if (found == ids.end()) found = ids.emplace(documentId, newBlankId()).first;
    return copyForRaptor(found->second);
}

librdf_world* createWorld() {
    librdf_world* world = librdf_new_world();
    if (!world) return nullptr;
    librdf_world_set_logger(world, nullptr, logToStdout);
    librdf_world_open(world);
    raptor_world_set_generate_bnodeid_handler(librdf_world_get_raptor(world), nullptr, generateBlankId);
    return world;
}

}  // namespace

librdf_world* getWorld() {
    static librdf_world* const world = createWorld();
    return world;
}

std::string newBlankId() { return "b" + std::to_string(++generatedBlankCount); }

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
