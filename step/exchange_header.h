#pragma once
// The HEADER section of an exchange file.
#include <string>
#include <vector>

#include "step/step_value.h"

namespace Step {

struct ExchangeHeader {
    std::vector<std::string> descriptions;  // FILE_DESCRIPTION
    std::string implementationLevel;
    std::string name;  // FILE_NAME
    std::string timeStamp;
    std::vector<std::string> authors;
    std::vector<std::string> organizations;
    std::string preprocessorVersion;
    std::string originatingSystem;
    std::string authorization;
    std::vector<std::string> schemas;  // FILE_SCHEMA
};

// Takes what it knows of one header record; false when a known record has values of the wrong form.
bool readHeaderRecord(const StepRecord& record, ExchangeHeader& header);

}  // namespace Step
