#include "rdf/world.h"

#include <librdf.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "rdf/parse_session.h"

namespace Redland {
namespace {

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

// librdf's logger: no exception may cross back into C, so a failure to print drops the line.
int logToStdout(void*, librdf_log_message* message) noexcept {
    try {
        const librdf_log_level level = librdf_log_message_level(message);
        if (level >= LIBRDF_LOG_ERROR) noteLoggedError();
        // Debug notes, and rasqal's remarks on how a query uses its variables, are no news for the user.
        if (level < LIBRDF_LOG_WARN ||
            (level == LIBRDF_LOG_WARN && librdf_log_message_facility(message) == LIBRDF_FROM_QUERY))
            return 1;
        if (!admitParseMessage()) return 1;
        std::string line = std::string("Redland ") + levelName(level) + ": ";
        const char* text = librdf_log_message_message(message);
        line += text ? text : "";
        raptor_locator* locator = librdf_log_message_locator(message);
        if (locator && locator->line > 0) line += " (line " + std::to_string(locator->line) + ")";
        std::cout << line << std::endl;
    } catch (...) {
    }
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
// A null result tells raptor that no id could be made; no exception crosses back into C.
unsigned char* generateBlankId(void*, unsigned char* userId) noexcept {
    try {
        if (!userId) return copyForRaptor(newBlankId());
        std::string documentId(reinterpret_cast<const char*>(userId));
        std::free(userId);  // raptor hands the id over to the handler
        userId = nullptr;
        return copyForRaptor(sessionBlankId(documentId));
    } catch (...) {
        std::free(userId);
        return nullptr;
    }
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

}  // namespace Redland
