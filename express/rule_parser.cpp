#include "express/rule_parser.h"

#include <iostream>

#include "express/text_ops.h"

namespace {

void reportNotHandled(const ExpressDefinedType& type, const std::string& label) {
    std::cout << "    NOT handled Rule of: " << type.name << "  -  " << label << std::endl;
}

void readAllowedValues(std::string text, ExpressDefinedType& type) {
    type.hasInRule = true;
    text = erasedAll(std::move(text), {"SELF IN ", ";", "[", "]", "'"});
    for (const std::string& value : splitNonEmpty(text, " ")) type.allowedValues.insert(value);
}

void readRange(std::string text, const std::string& label, ExpressDefinedType& type) {
    text = erasedAll(std::move(text), {";", "{", "}"});
    std::vector<std::string> words = splitNonEmpty(text, " ");
    if (words.size() == 3) {
        const std::string& comparison = words[1];
        if (comparison == "<" || comparison == "<=") {
            type.maxValue = words[2];
            if (comparison == "<=") type.maxInclusive = true;
        } else if (comparison == ">" || comparison == ">=") {
            type.minValue = words[2];
            if (comparison == ">=") type.minInclusive = true;
        } else {
            reportNotHandled(type, label);
        }
    } else if (words.size() == 5) {
        type.minValue = words[0];
        type.maxValue = words[4];
        if (words[1] == "<=") type.minInclusive = true;
        if (words[3] == "<=") type.maxInclusive = true;
    } else {
        reportNotHandled(type, label);
    }
}

}  // namespace

void readEntityRule(TokenCursor tokens, std::map<std::string, std::string>& rules) {
    if (tokens.front().compare(0, 5, "SELF\\") == 0) return;
    std::string label = tokens.front();
    tokens.drop();
    std::string text = tokens.joinedWithBlanks();
    if (!label.empty() && !text.empty()) rules[label] = std::move(text);
}

void readTypeRule(TokenCursor tokens, ExpressDefinedType& type) {
    std::string label = tokens.front();
    tokens.drop();
    if (tokens.front() == ":") tokens.drop();
    std::string text = tokens.joinedWithBlanks();
    if (label.empty() || text.empty()) return;
    if (text.find("SELF IN") != std::string::npos) {
        readAllowedValues(std::move(text), type);
    } else if (text.find("SELF[") != std::string::npos || text.find("SELF") == std::string::npos) {
        reportNotHandled(type, label);
    } else {
        readRange(std::move(text), label, type);
    }
}
