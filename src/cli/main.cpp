#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: vork-sim eval [--set Mnn=VALUE]... EXPRESSION\n"
                 "       vork-sim check FILE\n"
                 "       vork-sim resave IN OUT\n"
                 "       vork-sim step FILE [--passes N] [--dt S] [--every K] "
                 "[--vars M21,M01,...] [--seed N]\n"
                 "       vork-sim run FILE [--window 30min|1h|2h|4h] [--dt 100ms|200ms|500ms|1s] "
                 "[--step none|sp:A|load:A] [--engineering] [--archive BASE] [--seed N] "
                 "[--path fast|reference]\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage();
        return 2;
    }
    std::string command = args.front();
    args.erase(args.begin());
    if (command == "eval") return vork::cli::Eval(args);
    if (command == "check") return vork::cli::Check(args);
    if (command == "resave") return vork::cli::Resave(args);
    if (command == "step") return vork::cli::Step(args);
    if (command == "run") return vork::cli::Run(args);
    std::fprintf(stderr, "vork-sim: unknown command '%s'\n", command.c_str());
    PrintUsage();
    return 2;
}
