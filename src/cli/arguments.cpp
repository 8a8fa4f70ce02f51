#include "cli/arguments.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/numbers.h"

namespace vork::cli {

std::optional<uint64_t> ParseSeed(const std::string& text) {
    uint64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<double> ParsePositive(const std::string& text, double below) {
    std::optional<double> value = ParseWholeNumber(text);
    if (!value || !(*value > 0) || !(*value < below)) return std::nullopt;
    return value;
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

std::string SplitArguments(const std::vector<std::string>& args,
                           const std::set<std::string>& valued, const std::set<std::string>& flags,
                           Arguments& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (valued.count(arg)) {
            if (i + 1 >= args.size()) return arg + " needs a value";
            out.values[arg] = args[++i];
        } else if (flags.count(arg)) {
            out.flags.insert(arg);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else {
            out.positional.push_back(arg);
        }
    }
    return "";
}

int UsageError(const char* command, const std::string& reason, const char* usage) {
    std::fprintf(stderr, "vork-sim %s: %s\n%s", command, reason.c_str(), usage);
    return 2;
}

int PrintHelp(const char* help) {
    std::fputs(help, stdout);
    return 0;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace vork::cli
