#include <cstdio>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/numbers.h"
#include "plant/simulation.h"

namespace vork::cli {

namespace {

constexpr const char* kHelp =
    "usage: vork-sim eval [--set Mnn=VALUE]... EXPRESSION\n"
    "\n"
    "Sets the given variables M01..M99 (all others 0), evaluates the expression as the simulator\n"
    "does, with every intermediate value rounded to 15 significant digits, and prints the value\n"
    "in the shortest text that reads back to the same number. When the expression is\n"
    "inconsistent, the error text follows on a second line.\n"
    "Exit status: 0 evaluated (also when inconsistent); 2 usage error.\n";

struct Assignment {
    int address;
    double value;
};

// "M21=50" or "m21=50"; the address must be M01..M99 and the value a whole number text.
std::optional<Assignment> ParseAssignment(const std::string& text) {
    size_t eq = text.find('=');
    if (eq == std::string::npos || eq < 2 || (text[0] != 'M' && text[0] != 'm'))
        return std::nullopt;
    std::optional<int> address = ParseStrictInt(text.substr(1, eq - 1));
    if (!address || *address < 1 || *address > 99) return std::nullopt;
    std::string value = text.substr(eq + 1);
    size_t body = NumberBodyLength(value, value[0] == '-' || value[0] == '+' ? 1 : 0);
    size_t sign = value.empty() || (value[0] != '-' && value[0] != '+') ? 0 : 1;
    if (body == 0 || sign + body != value.size()) return std::nullopt;
    return Assignment{*address, ParseLenient(value)};
}

}  // namespace

int Eval(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
    Simulation sim;
    sim.vars.ResetNewProject();
    std::optional<std::string> expression;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--set") {
            std::optional<Assignment> a =
                i + 1 < args.size() ? ParseAssignment(args[i + 1]) : std::nullopt;
            if (!a) {
                std::fprintf(stderr,
                             "vork-sim eval: --set takes Mnn=VALUE with nn from 01 to 99 and a "
                             "decimal VALUE, got '%s'\n",
                             i + 1 < args.size() ? args[i + 1].c_str() : "");
                return 2;
            }
            sim.vars.Write(a->address, a->value);
            ++i;
        } else if (!expression) {
            expression = args[i];
        } else {
            std::fprintf(stderr, "vork-sim eval: only one EXPRESSION, got also '%s'\n",
                         args[i].c_str());
            return 2;
        }
    }
    if (!expression) {
        std::fprintf(stderr, "usage: vork-sim eval [--set Mnn=VALUE]... EXPRESSION\n");
        return 2;
    }
    double value = sim.Eval(*expression);
    std::printf("%s\n", ShortestText(value).c_str());
    if (!sim.errorText.empty()) std::printf("%s\n", sim.errorText.c_str());
    return 0;
}

}  // namespace vork::cli
