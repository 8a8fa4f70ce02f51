#include <cstdio>

#include "cli/commands.h"
#include "project/project.h"

namespace vork::cli {

// Loads a file and prints the objects' check messages, one per line.
int Check(const std::vector<std::string>& args) {
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
