#pragma once
// Parses the text of one statement (as cut by StatementScanner) into records and values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "step/step_value.h"

namespace Step {

struct ParseError {
    std::size_t offset = 0;  // in the statement text
    std::string message;
};

// #N=NAME(...) or #N=(A(...)B(...)).
bool parseInstance(const std::string& text, StepInstance& instance, ParseError& error);

// NAME(...), as in the HEADER section.
bool parseRecord(const std::string& text, StepRecord& record, ParseError& error);

// The instance number and the entity names without reading the values: the cheap look the index needs.
bool scanInstanceHead(const std::string& text, std::uint64_t& number, std::vector<std::string>& names,
                      ParseError& error);

// A keyword statement such as HEADER, DATA, ENDSEC (blanks around it ignored); empty when the text is other.
std::string statementKeyword(const std::string& text);

}  // namespace Step
