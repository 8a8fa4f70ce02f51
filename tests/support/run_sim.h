#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace vork {

struct SimOutput {
    std::string text;
    int status;
};

// Runs the vork-sim binary with `args` (already shell-quoted), in `folder` when one is given, and
// captures its standard output; standard error is dropped unless `withStderr`, which merges it
// into the text.
inline SimOutput RunSim(const std::string& args, bool withStderr = false,
                        const std::string& folder = "") {
    std::string command = (folder.empty() ? "" : "cd '" + folder + "' && ") +
                          std::string(VORK_SIM_PATH) + " " + args +
                          (withStderr ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    SimOutput out{"", -1};
    if (!pipe) return out;
    std::array<char, 256> buf{};
    while (fgets(buf.data(), buf.size(), pipe))
        out.text += buf.data();
    int status = pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

}  // namespace vork
