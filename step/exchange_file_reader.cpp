#include "step/exchange_file_reader.h"

#include <utility>

#include "step/record_parser.h"

namespace Step {
namespace {

// Far beyond the longest real statement (a point list of millions of coordinates); a stray quote must not make
// the rest of a large file one statement in memory.
constexpr std::size_t maxStatementLength = std::size_t(256) << 20;

enum class Section { Start, Header, BetweenSections, Data, End };

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// DATA, or DATA(...) as later editions name their sections.
bool isDataKeyword(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (text.compare(i, 4, "DATA") != 0) return false;
    i += 4;
    while (i < text.size() && isBlank(text[i])) ++i;
    return i == text.size() || text[i] == '(';
}

}  // namespace

ExchangeFileReader::ExchangeFileReader(std::string path, Diagnostics& diagnostics)
    : path_(std::move(path)), diagnostics_(diagnostics) {}

void ExchangeFileReader::report(const Statement& statement, std::size_t offset, const std::string& message) {
    std::uint64_t line = 0;
    std::uint32_t column = 0;
    positionOf(statement, offset, line, column);
    diagnostics_.report(line, column, message);
}

bool ExchangeFileReader::index(const ProgressCallback& progress) {
    StatementScanner scanner;
    if (!scanner.open(path_)) {
        diagnostics_.report(0, 0, "cannot read the file");
        return false;
    }
    Statement statement;
    scanner.setLimit(4096, true);
    const bool first = scanner.next(statement);
    scanner.setLimit(maxStatementLength, false);
    if (!first || statement.overlong || statementKeyword(statement.text) != "ISO-10303-21" || !statement.complete) {
        diagnostics_.report(0, 0, "not an exchange file (ISO 10303-21): it does not start with ISO-10303-21;");
        return false;
    }
    Section section = Section::Start;
    bool sawData = false;
    std::uint64_t number = 0;
    std::vector<std::string> names;
    ParseError error;
    StepRecord record;
    std::uint64_t counted = 0;
    while (scanner.next(statement)) {
        if (progress && (++counted & 0xFFFF) == 0) progress(scanner.bytesRead(), 2 * scanner.fileSize());
        if (!statement.complete) {
            report(statement, 0, "the file is cut off: the statement has no ';'");
            return false;
        }
        if (statement.overlong) continue;  // reported by the second pass
        const std::string keyword = statementKeyword(statement.text);
        if (section == Section::Data && !statement.text.empty() && statement.text[0] == '#') {
            if (!scanInstanceHead(statement.text, number, names, error)) continue;  // reported by the second pass
            if (!index_.add(number, types_.intern(names))) {
                report(statement, 0, "#" + std::to_string(number) + " is defined twice; the later one is left out");
                duplicates_.insert(statement.offset);
            }
            continue;
        }
        if (keyword == "ENDSEC" && (section == Section::Header || section == Section::Data)) {
            section = Section::BetweenSections;
        } else if (keyword == "HEADER" && section == Section::Start) {
            section = Section::Header;
        } else if (section == Section::BetweenSections && isDataKeyword(statement.text)) {
            section = Section::Data;
            sawData = true;
        } else if (keyword == "END-ISO-10303-21" && section == Section::BetweenSections) {
            section = Section::End;
            break;
        } else if (section == Section::Header) {
            if (!parseRecord(statement.text, record, error))
                report(statement, error.offset, error.message);
            else if (!readHeaderRecord(record, header_))
                report(statement, record.offset, "malformed " + record.name + " in the HEADER section");
        } else if (section != Section::Data) {
            report(statement, 0, "unexpected statement outside the sections");
        }
        // Statements of the DATA section that are no instance are reported by the second pass.
    }
    if (!sawData) {
        diagnostics_.report(0, 0, "no DATA section");
        return false;
    }
    if (section != Section::End) {
        diagnostics_.report(0, 0, "the file is cut off: END-ISO-10303-21; is missing");
        return false;
    }
    return true;
}

bool ExchangeFileReader::readInstances(const InstanceVisitor& visit, const ProgressCallback& progress) {
    StatementScanner scanner;
    if (!scanner.open(path_)) {
        diagnostics_.report(0, 0, "cannot read the file");
        return false;
    }
    Statement statement;
    StepInstance instance;
    ParseError error;
    bool inData = false;
    std::uint64_t counted = 0;
    scanner.setLimit(maxStatementLength, false);
    while (scanner.next(statement)) {
        if (progress && (++counted & 0xFFFF) == 0)
            progress(scanner.fileSize() + scanner.bytesRead(), 2 * scanner.fileSize());
        if (!inData) {
            inData = isDataKeyword(statement.text);
            continue;
        }
        if (statement.overlong) {
            report(statement, 0,
                   "statement longer than " + std::to_string(maxStatementLength >> 20) + " MB; it is left out");
            continue;
        }
        if (statement.text.empty() || statement.text[0] != '#') {
            const std::string keyword = statementKeyword(statement.text);
            if (keyword == "ENDSEC")
                inData = false;
            else
                report(statement, 0, "expected an instance (#N=...)");
            continue;
        }
        if (!parseInstance(statement.text, instance, error)) {
            report(statement, error.offset, "syntax error: " + error.message + "; the instance is left out");
            continue;
        }
        // The index keeps the first of two instances with one number.
        if (!duplicates_.empty() && duplicates_.count(statement.offset)) continue;
        visit(instance, statement);
    }
    if (progress) progress(2 * scanner.fileSize(), 2 * scanner.fileSize());
    return true;
}

}  // namespace Step
