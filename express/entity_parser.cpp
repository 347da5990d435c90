#include "express/entity_parser.h"

#include "express/attribute_parser.h"
#include "express/rule_parser.h"
#include "express/text_ops.h"
#include "express/token_cursor.h"

namespace {

enum class Section { Explicit, Inverse, Derive, Unique, Where };

bool startsWithSelf(const std::string& token) { return token.compare(0, 5, "SELF\\") == 0; }

bool switchSection(const std::string& keyword, Section& section) {
    if (keyword == "INVERSE") {
        section = Section::Inverse;
    } else if (keyword == "DERIVE") {
        section = Section::Derive;
    } else if (keyword == "UNIQUE") {
        section = Section::Unique;
    } else if (keyword == "WHERE") {
        section = Section::Where;
    } else {
        return false;
    }
    return true;
}

void readBodyStatement(const std::vector<std::string>& statement, Section& section, ExpressSchema& schema,
                       ExpressEntity& entity) {
    TokenCursor tokens(statement);
    if (switchSection(tokens.front(), section)) tokens.drop();
    if (tokens.size() < 2) return;
    if (section == Section::Unique || section == Section::Where) {
        readEntityRule(tokens, section == Section::Unique ? entity.uniqueRules : entity.whereRules);
        return;
    }
    if (section == Section::Derive || startsWithSelf(tokens[0])) return;
    if (tokens[0].find(':') == std::string::npos && tokens[1].find(':') == std::string::npos) return;
    entity.attributes.push_back(readAttribute(tokens, section == Section::Inverse));
    ++schema.propertyNameCount[entity.attributes.back().name];
}

}  // namespace

void readEntityHeader(const std::vector<std::string>& header, ExpressEntity& entity) {
    std::size_t position = 2;
    const std::size_t end = header.size();
    while (position < end) {
        const std::string& clause = header[position];
        if (clause == "SUBTYPE") {
            for (++position; position < end; ++position) {
                const std::string& token = header[position];
                if (token == "ABSTRACT" || token == "SUPERTYPE") break;
                std::string name = erasedAll(token, {"OF(", ";", ",", "(", ")"});
                if (!name.empty() && name != "OF") entity.supertypes.push_back(name);
            }
        } else if (clause == "ABSTRACT" || clause == "SUPERTYPE") {
            for (; position < end; ++position) {
                const std::string& token = header[position];
                if (token == "SUBTYPE") break;
                std::string name = erasedAll(token, {";", ",", "(", ")"});
                if (name == "OF" || name == "SUPERTYPE") continue;
                if (name == "ABSTRACT") {
                    entity.isAbstract = true;
                } else if (name == "ONEOF") {
                    entity.isOneOf = true;
                } else if (!name.empty()) {
                    entity.subtypes.push_back(name);
                }
            }
        } else {
            // Not a supertype or subtype clause (an attribute on the header's line): the header ends here.
            break;
        }
    }
}

void parseEntityDeclaration(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& header) {
    std::string name = header.size() > 1 ? erasedAll(header[1], {";"}) : std::string();
    if (name.empty()) return;
    ExpressEntity& entity = schema.addEntity(name);
    readEntityHeader(header, entity);

    Section section = Section::Explicit;
    std::vector<std::string> statement;
    std::string comment;
    while (!text.atEnd()) {
        if (!readStatement(text, statement, comment)) continue;
        if (statement.front() == "END_ENTITY;") break;
        readBodyStatement(statement, section, schema, entity);
    }
}
