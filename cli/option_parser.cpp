#include "cli/option_parser.h"

void OptionParser::flag(const std::string& longName, char shortName, std::function<void()> apply) {
    options.push_back({longName, shortName, false, [apply](const std::string&) {
                           apply();
                           return std::string();
                       }});
}

void OptionParser::value(const std::string& longName, char shortName, Apply apply) {
    options.push_back({longName, shortName, true, std::move(apply)});
}

const OptionParser::Option* OptionParser::findLong(const std::string& name) const {
    for (const Option& option : options) {
        if (option.longName == name) return &option;
    }
    return nullptr;
}

const OptionParser::Option* OptionParser::findShort(char name) const {
    for (const Option& option : options) {
        if (option.shortName != 0 && option.shortName == name) return &option;
    }
    return nullptr;
}

bool OptionParser::parse(const std::vector<std::string>& args, std::vector<std::string>& operands,
                         std::string& error) const {
    auto applied = [&error](const Option& option, const std::string& shown, const std::string& value) {
        const std::string reason = option.apply(value);
        if (reason.empty()) return true;
        error = shown + ": " + reason;
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            operands.insert(operands.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            return true;
        }
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            const std::string::size_type equals = arg.find('=');
            const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            const Option* option = findLong(name);
            if (!option) {
                error = "unknown option --" + name;
                return false;
            }
            if (!option->takesValue) {
                if (equals != std::string::npos) {
                    error = "option --" + name + " takes no value";
                    return false;
                }
                option->apply(std::string());
                continue;
            }
            std::string value;
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                error = "option --" + name + " needs a value";
                return false;
            }
            if (!applied(*option, "--" + name, value)) return false;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            for (std::size_t at = 1; at < arg.size(); ++at) {
                const Option* option = findShort(arg[at]);
                if (!option) {
                    error = std::string("unknown option -") + arg[at];
                    return false;
                }
                if (!option->takesValue) {
                    option->apply(std::string());
                    continue;
                }
                std::string value;
                if (at + 1 < arg.size()) {
                    value = arg.substr(at + 1);
                } else if (i + 1 < args.size()) {
                    value = args[++i];
                } else {
                    error = std::string("option -") + arg[at] + " needs a value";
                    return false;
                }
                if (!applied(*option, std::string("-") + arg[at], value)) return false;
                break;
            }
            continue;
        }
        operands.push_back(arg);
    }
    return true;
}
