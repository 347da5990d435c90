#pragma once
// Reads an exchange file in two streaming passes: the first checks its frame, reads the HEADER and indexes
// every instance's number and type; the second hands each instance of the DATA sections over, parsed.
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "step/diagnostics.h"
#include "step/exchange_header.h"
#include "step/instance_index.h"
#include "step/statement_scanner.h"
#include "step/step_value.h"

namespace Step {

class ExchangeFileReader {
public:
    using InstanceVisitor = std::function<void(const StepInstance&, const Statement&)>;
    using ProgressCallback = std::function<void(std::uint64_t done, std::uint64_t total)>;

    ExchangeFileReader(std::string path, Diagnostics& diagnostics);

    // First pass. False when the file is no exchange file at all, has no DATA section or is cut off; the
    // reason has been reported.
    bool index(const ProgressCallback& progress = {});
    // Second pass, after index(): every instance that parses, in file order; syntax errors are reported
    // and skipped. progress (optional) is called now and then with the bytes both passes have read out of
    // twice the file's size.
    bool readInstances(const InstanceVisitor& visit, const ProgressCallback& progress = {});

    const ExchangeHeader& header() const { return header_; }
    const InstanceIndex& instances() const { return index_; }
    const TypeTable& types() const { return types_; }

private:
    void report(const Statement& statement, std::size_t offset, const std::string& message);
    std::string path_;
    Diagnostics& diagnostics_;
    ExchangeHeader header_;
    InstanceIndex index_;
    TypeTable types_;
    std::set<std::uint64_t> duplicates_;  // file offsets of instances whose number was taken
};

}  // namespace Step
