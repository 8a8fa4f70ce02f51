#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "project/project.h"

namespace vork::cli {

namespace {

constexpr const char* kHelp =
    "usage: vork-sim check FILE\n"
    "\n"
    "Loads a simulation file and prints the objects' check messages, one per line, as the\n"
    "program shows them when it opens the file.\n"
    "Exit status: 0 loaded (with or without messages); 1 the load stopped, with the reason on\n"
    "standard error; 2 usage error.\n";

}  // namespace

// Loads a file and prints the objects' check messages, one per line.
int Check(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vork-sim check FILE\n");
        return 2;
    }
    Project project;
    FileResult result = project.Load(args[0]);
    for (const std::string& message : result.messages)
        std::printf("%s\n", message.c_str());
    if (result.ok()) return 0;
    std::fprintf(stderr, "vork-sim check: %s: %s\n", args[0].c_str(), result.error.c_str());
    return 1;
}

}  // namespace vork::cli
