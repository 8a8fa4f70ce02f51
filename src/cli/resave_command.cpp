#include <cstdio>

#include "cli/commands.h"
#include "project/project.h"

namespace vork::cli {

// Loads a file and saves it again, as opening and saving it in the program does.
int Resave(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vork-sim resave IN OUT\n");
        return 2;
    }
    Project project;
    FileResult loaded = project.Load(args[0]);
    if (!loaded.ok()) {
        std::fprintf(stderr, "vork-sim resave: %s: %s\n", args[0].c_str(), loaded.error.c_str());
        return 1;
    }
    FileResult saved = project.Save(args[1]);
    if (!saved.ok()) {
        std::fprintf(stderr, "vork-sim resave: %s: %s\n", args[1].c_str(), saved.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace vork::cli
