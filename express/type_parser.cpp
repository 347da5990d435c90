#include "express/type_parser.h"

#include "express/rule_parser.h"
#include "express/text_ops.h"
#include "express/token_cursor.h"
#include "express/type_reference.h"

namespace {

std::string cleanItem(const std::string& token) { return erasedAll(token, {",", "(", ")", ";"}); }

// Reads statements up to END_TYPE; or the end of input, handing each to read (when given).
template <typename Reader>
void readTypeBody(SchemaText& text, Reader read) {
    std::vector<std::string> statement;
    std::string comment;
    while (!text.atEnd()) {
        if (!readStatement(text, statement, comment)) continue;
        if (statement.front() == "END_TYPE;") break;
        read(statement);
    }
}

void readEnumeration(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& declaration) {
    ExpressEnumeration& enumeration = schema.addEnumeration(declaration[1]);
    for (std::size_t i = 5; i < declaration.size(); ++i) {
        std::string item = cleanItem(declaration[i]);
        if (item.empty()) continue;
        enumeration.items.insert(item);
        ++schema.enumerationItemCount[item];
    }
    readTypeBody(text, [](const std::vector<std::string>&) {});
}

void readSelect(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& declaration) {
    ExpressSelect& select = schema.addSelect(declaration[1]);
    for (std::size_t i = 4; i < declaration.size(); ++i) {
        std::string item = cleanItem(declaration[i]);
        if (!item.empty()) select.items.insert(item);
    }
    readTypeBody(text, [](const std::vector<std::string>&) {});
}

void readAggregation(TokenCursor& tokens, ExpressDefinedType& type) {
    const std::string& keyword = tokens.front();
    type.isList = keyword == "LIST";
    type.isSet = keyword == "SET";
    type.isArray = keyword == "ARRAY";
    // Without bounds (LIST OF X) only the keyword and OF go, as for attributes, so X stays the type.
    if (tokens[1].find('[') == std::string::npos) {
        tokens.drop(2);
        return;
    }
    std::vector<std::string> parts = aggregationBounds(tokens[1]);
    if (parts.size() == 2) {
        type.aggMin = parts[0];
        if (parts[1] != "?") type.aggMax = parts[1];
    }
    tokens.drop(3);
}

void readUnderlyingType(const std::string& token, ExpressDefinedType& type) {
    TypeReference underlying;
    if (!readTypeReference(token, underlying)) return;
    type.underlyingType = underlying.name;
    if (underlying.sized) type.width = leadingInteger(underlying.size);
}

void readDefinedType(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& declaration) {
    ExpressDefinedType& type = schema.addDefinedType(declaration[1]);
    TokenCursor tokens(declaration);
    tokens.drop(3);
    const std::string& keyword = tokens.front();
    if (keyword == "LIST" || keyword == "SET" || keyword == "ARRAY") readAggregation(tokens, type);
    if (!tokens.empty()) readUnderlyingType(tokens.front(), type);

    bool whereSection = false;
    readTypeBody(text, [&](const std::vector<std::string>& statement) {
        TokenCursor rule(statement);
        if (rule.front() == "WHERE") {
            whereSection = true;
            rule.drop();
        }
        if (whereSection && rule.size() >= 2) readTypeRule(rule, type);
    });
}

}  // namespace

void parseTypeDeclaration(ExpressSchema& schema, SchemaText& text, const std::vector<std::string>& declaration) {
    if (declaration.size() < 4) return;
    const std::string& kind = declaration[3];
    if (kind == "ENUMERATION") {
        readEnumeration(schema, text, declaration);
    } else if (kind == "SELECT") {
        readSelect(schema, text, declaration);
    } else {
        readDefinedType(schema, text, declaration);
    }
}
