#include "express/schema_text.h"

#include <fstream>
#include <set>

namespace {

// The next line without its end: LF, CR LF, or a CR on its own (files from old Mac editors).
std::string nextLine(SchemaText& text) {
    const std::string& content = text.content;
    const std::string::size_type start = text.position;
    const std::string::size_type end = content.find_first_of("\r\n", start);
    ++text.lineNumber;
    if (end == std::string::npos) {
        text.position = content.size();
        text.endOfInput = true;
        return content.substr(start);
    }
    text.position = end + 1;
    if (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ++text.position;
    return content.substr(start, end - start);
}

// Takes out every "(*" ... "*)" pair of the line, first opening mark first, and leaves the text of the
// last pair in comment. Taking a pair out can join a "(" before it with a "*" after it into a new
// opening mark; the result is built in one pass so long lines stay linear.
void removeLineComments(std::string& line, std::string& comment) {
    std::string::size_type open = line.find("(*");
    if (open == std::string::npos) return;
    std::string kept;                 // the cleaned part, holding no "(*"
    std::string::size_type rest = 0;  // the line still to clean starts here
    std::string::size_type commentStart = 0, commentEnd = 0;
    bool found = false;
    while (true) {
        // The first opening mark of kept + line[rest..]: across the join, or inside the rest.
        bool acrossJoin = !kept.empty() && kept.back() == '(' && rest < line.size() && line[rest] == '*';
        std::string::size_type textStart;
        if (acrossJoin) {
            textStart = rest + 1;
        } else {
            open = line.find("(*", rest);
            if (open == std::string::npos) break;
            textStart = open + 2;
        }
        std::string::size_type close = line.find("*)", textStart);
        if (close == std::string::npos) break;
        if (acrossJoin) {
            kept.pop_back();
        } else {
            kept.append(line, rest, open - rest);
        }
        commentStart = textStart;
        commentEnd = close;
        found = true;
        rest = close + 2;
    }
    if (!found) return;
    comment.assign(line, commentStart, commentEnd - commentStart);
    kept.append(line, rest, std::string::npos);
    line.swap(kept);
}

// Tabs and commas count as blanks; tokens are the runs between blanks.
void splitTokens(const std::string& line, std::vector<std::string>& tokens) {
    std::string::size_type i = 0;
    const std::string::size_type n = line.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == ','; };
    while (i < n) {
        while (i < n && isBlank(line[i])) ++i;
        std::string::size_type start = i;
        while (i < n && !isBlank(line[i])) ++i;
        if (i > start) tokens.emplace_back(line, start, i - start);
    }
}

// Comments running over several lines, judged by whole tokens.
void dropMultiLineComments(SchemaText& text, std::vector<std::string>& tokens) {
    if (!text.inComment) {
        for (std::vector<std::string>::size_type i = 0; i < tokens.size(); ++i) {
            if (tokens[i].find("(*") != std::string::npos) {
                tokens.resize(i);
                text.inComment = true;
                text.commentOpenedOn = text.lineNumber;
                return;
            }
        }
        return;
    }
    for (std::vector<std::string>::size_type i = 0; i < tokens.size(); ++i) {
        if (tokens[i].find("*)") != std::string::npos) {
            tokens.erase(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            text.inComment = false;
            return;
        }
    }
    tokens.clear();
}

bool beginsOrEndsDeclaration(const std::string& token) {
    static const std::set<std::string> keywords = {
        "ENTITY",   "END_ENTITY;",   "TYPE",      "END_TYPE;",      "FUNCTION",           "END_FUNCTION;",
        "RULE",     "END_RULE;",     "PROCEDURE", "END_PROCEDURE;", "SUBTYPE_CONSTRAINT", "END_SUBTYPE_CONSTRAINT;",
        "CONSTANT", "END_CONSTANT;", "SCHEMA",    "END_SCHEMA;",    "REFERENCE",          "USE"};
    return keywords.count(token) > 0;
}

// A token ending in ";" followed on the same line by a declaration keyword ends the statement there; the
// rest of the line moves to rest. Otherwise the statement would swallow the next declaration.
void splitAtDeclaration(std::vector<std::string>& tokens, std::vector<std::string>& rest) {
    for (std::vector<std::string>::size_type i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].back() == ';' && beginsOrEndsDeclaration(tokens[i + 1])) {
            rest.assign(std::make_move_iterator(tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1),
                        std::make_move_iterator(tokens.end()));
            tokens.resize(i + 1);
            return;
        }
    }
}

}  // namespace

SchemaText loadSchemaText(const std::string& path) {
    SchemaText text;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.content.append(buffer, static_cast<std::string::size_type>(in.gcount()));
    }
    text.ok = true;
    return text;
}

SchemaText schemaTextFromString(std::string content) {
    SchemaText text;
    text.content = std::move(content);
    text.ok = true;
    return text;
}

bool readLineTokens(SchemaText& text, std::vector<std::string>& tokens, std::string& lineComment) {
    tokens.clear();
    lineComment.clear();
    std::string line = nextLine(text);
    removeLineComments(line, lineComment);
    splitTokens(line, tokens);
    dropMultiLineComments(text, tokens);
    return !tokens.empty();
}

bool readStatement(SchemaText& text, std::vector<std::string>& tokens, std::string& comment) {
    tokens.clear();
    comment.clear();
    std::vector<std::string> lineTokens;
    std::string lineComment;
    while (!text.atEnd()) {
        if (!text.pending.empty()) {
            lineTokens.swap(text.pending);
            text.pending.clear();
            lineComment.clear();
        } else if (!readLineTokens(text, lineTokens, lineComment)) {
            continue;
        }
        splitAtDeclaration(lineTokens, text.pending);
        tokens.insert(tokens.end(), std::make_move_iterator(lineTokens.begin()),
                      std::make_move_iterator(lineTokens.end()));
        comment += lineComment;
        if (tokens.back().find(';') != std::string::npos) break;
    }
    return !tokens.empty();
}
