#include "express/attribute_parser.h"

#include <iostream>

#include "express/text_ops.h"
#include "express/type_reference.h"

namespace {

void readSetBounds(TokenCursor& tokens, ExpressAttribute& attribute) {
    if (tokens.front() == "BAG") {
        std::cout << "Att'n: BAG is used in the schema. Need to update the converter!" << std::endl;
    }
    attribute.isSet = true;
    if (tokens[1].find('[') == std::string::npos) {
        attribute.minCard = "0";
        attribute.maxCard.clear();
        tokens.drop(2);
        return;
    }
    std::vector<std::string> parts = aggregationBounds(tokens[1]);
    if (parts.size() == 2) {
        if (!attribute.isOptional) attribute.minCard = parts[0];
        attribute.maxCard = parts[1] == "?" ? std::string() : parts[1];
    }
    tokens.drop(3);
}

// Every nesting level is recorded by the rule of the outermost keyword.
void readListBounds(TokenCursor& tokens, ExpressAttribute& attribute) {
    attribute.isList = tokens.front() == "LIST";
    attribute.isArray = !attribute.isList;
    do {
        if (tokens[1].find('[') == std::string::npos) {
            if (attribute.isList) {
                attribute.listBounds.emplace_back("0", "");
            } else {
                attribute.listBounds.emplace_back("", "");
            }
            tokens.drop(2);
        } else {
            std::vector<std::string> parts = aggregationBounds(tokens[1]);
            if (parts.size() == 2) {
                std::string lower = parts[0];
                std::string upper = parts[1] == "?" ? std::string() : parts[1];
                if (attribute.isList) {
                    attribute.listBounds.emplace_back(lower, upper);
                } else {
                    long long count = static_cast<long long>(leadingInteger(upper)) - leadingInteger(lower) + 1;
                    attribute.listBounds.emplace_back(std::to_string(count), std::to_string(count));
                }
            }
            tokens.drop(3);
        }
        if (tokens.empty()) return;
        if (tokens.front() == "UNIQUE") tokens.drop();
    } while (tokens.front() == "LIST" || tokens.front() == "ARRAY");
}

void readTargetType(const std::string& token, ExpressAttribute& attribute) {
    TypeReference target;
    if (!readTypeReference(token, target)) return;
    attribute.targetType = target.name;
    if (!target.sized) return;
    attribute.width = leadingInteger(target.size);
    std::cout << "Attr target: " << target.name << "  size= " << target.size << std::endl;
}

}  // namespace

ExpressAttribute readAttribute(TokenCursor tokens, bool inverse) {
    ExpressAttribute attribute;
    attribute.name = erasedAll(tokens.front(), {":"});
    tokens.drop();
    if (tokens.front() == ":") tokens.drop();
    if (tokens.front() == "OPTIONAL") {
        attribute.isOptional = true;
        attribute.minCard = "0";
        tokens.drop();
    }
    if (tokens.front() == "SET" || tokens.front() == "BAG") {
        readSetBounds(tokens, attribute);
    }
    if (tokens.front() == "LIST" || tokens.front() == "ARRAY") readListBounds(tokens, attribute);
    if (!tokens.empty() && tokens.front() == "UNIQUE") tokens.drop();
    if (!tokens.empty()) readTargetType(tokens.front(), attribute);
    if (inverse && tokens.size() == 3) attribute.inverseOf = erasedAll(tokens[2], {";"});
    return attribute;
}
