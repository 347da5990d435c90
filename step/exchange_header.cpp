#include "step/exchange_header.h"

namespace Step {
namespace {

using Kind = StepValue::Kind;

bool text(const StepValue& value, std::string& out) {
    if (value.kind == Kind::Missing) return true;
    if (value.kind != Kind::String) return false;
    out = value.text;
    return true;
}

bool texts(const StepValue& value, std::vector<std::string>& out) {
    if (value.kind == Kind::Missing) return true;
    if (value.kind != Kind::List) return false;
    for (const StepValue& item : value.items) {
        if (item.kind != Kind::String) return false;
        out.push_back(item.text);
    }
    return true;
}

}  // namespace

bool readHeaderRecord(const StepRecord& record, ExchangeHeader& header) {
    const std::vector<StepValue>& p = record.parameters;
    if (record.name == "FILE_DESCRIPTION")
        return p.size() == 2 && texts(p[0], header.descriptions) && text(p[1], header.implementationLevel);
    if (record.name == "FILE_NAME")
        return p.size() == 7 && text(p[0], header.name) && text(p[1], header.timeStamp) &&
               texts(p[2], header.authors) && texts(p[3], header.organizations) &&
               text(p[4], header.preprocessorVersion) && text(p[5], header.originatingSystem) &&
               text(p[6], header.authorization);
    if (record.name == "FILE_SCHEMA") return p.size() == 1 && texts(p[0], header.schemas);
    return true;
}

}  // namespace Step
