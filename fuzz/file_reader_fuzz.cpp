#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/project.h"

// Any bytes as a simulation file. A file that loads must write out, load again and write out
// the same bytes, and its objects must compute without faults.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vork::Project project;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!project.LoadBytes(std::move(bytes), "fuzz").ok()) return 0;
    std::string written = project.FileBytes();

    vork::Project reloaded;
    if (!reloaded.LoadBytes(written, "fuzz").ok()) std::abort();
    if (reloaded.FileBytes() != written) std::abort();

    for (int pass = 0; pass < 3; ++pass)
        reloaded.sim.Tick(100.0 * pass);
    reloaded.sim.batch = true;
    reloaded.sim.EvaluationPass();
    return 0;
}
