#pragma once
// The schema file held in memory, cut into lines, tokens and statements.
#include <string>
#include <vector>

struct SchemaText {
    bool ok = false;         // the file could be opened and its content was loaded
    bool inComment = false;  // a "(*" of an earlier line is still open
    std::string content;
    std::string::size_type position = 0;
    bool endOfInput = false;  // a line read ran into the end of the content

    bool atEnd() const { return endOfInput; }
};

// Reads the whole file. ok is false (and the content empty) when it cannot be opened.
SchemaText loadSchemaText(const std::string& path);
// The same over text already in memory.
SchemaText schemaTextFromString(std::string content);

// Reads the next line into tokens and the text of its one-line comment (both cleared first);
// true when tokens remain.
bool readLineTokens(SchemaText& text, std::vector<std::string>& tokens, std::string& lineComment);

// Reads lines until the last token read contains ";" or the input ends; true when it gave tokens.
bool readStatement(SchemaText& text, std::vector<std::string>& tokens, std::string& comment);
