#include "express/parser.h"

#include <boost/filesystem.hpp>
#include <iostream>
#include <vector>

#include "express/entity_parser.h"
#include "express/text_ops.h"
#include "express/type_parser.h"

namespace {

bool isRegularFile(const std::string& path) {
    boost::system::error_code error;
    return boost::filesystem::is_regular_file(path, error) && !error;
}

// REFERENCE FROM schema (names); and USE FROM schema (names); take the names over as entities.
void readReferencedNames(ExpressSchema& schema, const std::vector<std::string>& statement, const std::string& comment) {
    for (std::size_t i = 3; i < statement.size(); ++i) {
        std::string name = erasedAll(statement[i], {",", "(", ")", ";"});
        if (!name.empty()) schema.addEntity(name).comment = comment;
    }
}

}  // namespace

bool parseExpressSchema(ExpressSchema& schema, const std::string& path) {
    schema.clear();
    if (!isRegularFile(path)) return true;
    std::cout << std::endl;
    std::cout << "PARSE EXPRESS schema: " << path << std::endl;
    SchemaText text = loadSchemaText(path);
    if (!text.ok) return false;
    schema.schemaFile = path;
    parseSchemaText(schema, text);
    // Everything after an unclosed comment is lost: a partial schema must not pass for the whole one.
    if (text.inComment) {
        std::cout << "ERROR: " << path << ": the comment opened on line " << text.commentOpenedOn
                  << " is never closed; the rest of the file was not read" << std::endl;
        return false;
    }
    return true;
}

void parseSchemaText(ExpressSchema& schema, SchemaText& text) {
    std::vector<std::string> statement;
    std::string comment;
    while (!text.atEnd()) {
        if (!readStatement(text, statement, comment)) continue;
        const std::string& keyword = statement.front();
        if (keyword == "REFERENCE" || keyword == "USE") {
            readReferencedNames(schema, statement, comment);
        } else if (keyword == "ENTITY") {
            parseEntityDeclaration(schema, text, statement);
        } else if (keyword == "TYPE") {
            parseTypeDeclaration(schema, text, statement);
        }
    }
}
