#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Argument forms shared by the vork-sim commands.
namespace vork::cli {

// A whole number without sign, as --seed takes it.
std::optional<uint64_t> ParseSeed(const std::string& text);

// A decimal number above 0 and below `below`, as --amplitude and --lambda take it.
std::optional<double> ParsePositive(const std::string& text, double below);

// "--help" or "-h" anywhere among the arguments.
bool AsksForHelp(const std::vector<std::string>& args);

// A command's arguments, split by the options it knows: options that take a value, flags, and
// the rest in order.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    bool Has(const std::string& option) const { return values.count(option) != 0; }
};

// Empty on success, else the usage error: an unknown option, or one without its value.
std::string SplitArguments(const std::vector<std::string>& args,
                           const std::set<std::string>& valued, const std::set<std::string>& flags,
                           Arguments& out);

// Writes "vork-sim COMMAND: REASON" and the usage on standard error; returns 2.
int UsageError(const char* command, const std::string& reason, const char* usage);

// Writes the help text on standard output; returns 0.
int PrintHelp(const char* help);

// A field of a CSV line: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

}  // namespace vork::cli
