#pragma once
// Command-line options in the usual conventions: -x, -x VALUE, -xVALUE, --long, --long VALUE, --long=VALUE,
// grouped flags (-qv), and "--" ending the options. Each command declares its own options on a parser.
#include <functional>
#include <string>
#include <vector>

class OptionParser {
public:
    // Receives the option's value (empty for a flag); returns a one-line reason when the value is unusable.
    using Apply = std::function<std::string(const std::string& value)>;

    // shortName 0: long form only.
    void flag(const std::string& longName, char shortName, std::function<void()> apply);
    void value(const std::string& longName, char shortName, Apply apply);

    // Applies the options in order and collects the other arguments in operands. False on an unknown option,
    // a missing or unusable value, or a value given to a flag; error then holds one line.
    bool parse(const std::vector<std::string>& args, std::vector<std::string>& operands, std::string& error) const;

private:
    struct Option {
        std::string longName;
        char shortName;
        bool takesValue;
        Apply apply;
    };
    const Option* findLong(const std::string& name) const;
    const Option* findShort(char name) const;
    std::vector<Option> options;
};
