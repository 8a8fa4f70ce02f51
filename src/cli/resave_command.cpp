#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "project/project.h"

namespace vork::cli {

namespace {

constexpr const char* kHelp =
    "usage: vork-sim resave IN OUT\n"
    "\n"
    "Loads the simulation file IN and saves it as OUT, as opening and saving it in the program\n"
    "does. OUT is written through a temporary file, so a failed save leaves an old OUT intact.\n"
    "Exit status: 0 saved; 1 IN did not load or OUT could not be written; 2 usage error.\n";

}  // namespace

// Loads a file and saves it again, as opening and saving it in the program does.
int Resave(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
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
