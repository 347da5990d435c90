#include "express/schema_name.h"

#include <cctype>
#include <fstream>

std::string readSchemaName(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string word;
    char c = 0;
    char previous = 0;
    bool afterSchema = false;
    int commentDepth = 0;
    bool lineComment = false;
    while (in.get(c)) {
        if (lineComment) {
            lineComment = c != '\n';
        } else if (commentDepth > 0) {
            if (previous == '*' && c == ')') {
                --commentDepth;
                c = 0;
            }
        } else if (previous == '(' && c == '*') {
            ++commentDepth;
            word.clear();
            c = 0;
        } else if (previous == '-' && c == '-') {
            lineComment = true;
            word.clear();
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            word.push_back(c);
        } else if (!word.empty()) {
            if (afterSchema) return word;
            afterSchema = word == "SCHEMA";
            word.clear();
        }
        previous = c;
    }
    return afterSchema ? word : std::string();
}
