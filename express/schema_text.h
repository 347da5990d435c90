#pragma once
// The schema file held in memory, cut into lines, tokens and statements.
#include <string>
#include <vector>

struct SchemaText {
    bool ok = false;         // the file could be opened and its content was loaded
    bool inComment = false;  // a "(*" of an earlier line is still open
    std::string content;
    std::string::size_type position = 0;
    bool endOfInput = false;           // a line read ran into the end of the content
    std::size_t lineNumber = 0;        // lines read so far
    std::size_t commentOpenedOn = 0;   // line of the "(*" that inComment refers to
    std::vector<std::string> pending;  // tokens of the current line that begin the next statement

    bool atEnd() const { return endOfInput && pending.empty(); }
};

// Reads the whole file. ok is false (and the content empty) when it cannot be opened.
SchemaText loadSchemaText(const std::string& path);
// The same over text already in memory.
SchemaText schemaTextFromString(std::string content);

// Reads the next line into tokens and the text of its one-line comment (both cleared first);
// true when tokens remain.
bool readLineTokens(SchemaText& text, std::vector<std::string>& tokens, std::string& lineComment);

// Reads lines until the last token read contains ";" or the input ends; true when it gave tokens. A line
// holding the end of one declaration and the start of the next (END_TYPE; TYPE ...) gives two statements.
bool readStatement(SchemaText& text, std::vector<std::string>& tokens, std::string& comment);
