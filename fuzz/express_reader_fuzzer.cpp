// libFuzzer target: arbitrary bytes through the whole EXPRESS reader, from text to schema model.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>

#include "express/parser.h"
#include "express/schema.h"
#include "express/schema_text.h"

namespace {

// Discards everything written to it, so the reader's messages do not flood the fuzzer's output.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static NullBuffer sink;
    std::streambuf* previous = std::cout.rdbuf(&sink);
    ExpressSchema schema;
    SchemaText text = schemaTextFromString(std::string(reinterpret_cast<const char*>(data), size));
    parseSchemaText(schema, text);
    std::cout.rdbuf(previous);
    return 0;
}
