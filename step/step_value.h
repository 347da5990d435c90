#pragma once
// The values of an exchange file's parameter lists, as written, with strings already decoded.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Step {

struct StepValue {
    enum class Kind : std::uint8_t {
        Missing,
        Derived,
        Integer,
        Real,
        String,
        Enumeration,
        Binary,
        Reference,
        Typed,
        List
    };
    Kind kind = Kind::Missing;
    // Integer and Real: the lexical form (a real always with digits after its point); String: the decoded UTF-8
    // text; Enumeration: the name without dots; Binary: the hex digits; Typed: the type keyword.
    std::string text;
    std::uint64_t reference = 0;
    std::vector<StepValue> items;  // members of a List, parameters of a Typed value
    std::size_t offset = 0;        // in the statement text, for messages
};

// One entity (or one partial entity of a complex instance) with its parameters.
struct StepRecord {
    std::string name;
    std::vector<StepValue> parameters;
    std::size_t offset = 0;
};

// #N=NAME(...) has one part; a complex instance #N=(A(...)B(...)) one per partial entity, in file order.
struct StepInstance {
    std::uint64_t number = 0;
    std::vector<StepRecord> parts;
    bool isComplex = false;
};

const char* kindName(StepValue::Kind kind);

}  // namespace Step
