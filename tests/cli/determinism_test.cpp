#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/run_sim.h"
#include "support/temp_folder.h"

// The whole trajectory of one run, pinned: a change that moves the reference and the fast path
// together passes the path-equivalence test but shows here.
namespace vork {
namespace {

// FNV-1a, 64 bits.
uint64_t Hash(const std::string& bytes) {
    uint64_t h = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3u;
    }
    return h;
}

TEST(Determinism, BasicFlowLoopSetpointStepArchiveIsPinned) {
    const std::string example =
        (std::filesystem::path(VORK_SOURCE_DIR) / "examples/basic flow loop/basic flow loop.smp")
            .string();
    for (const char* path : {"fast", "reference"}) {
        test::TempFolder folder;
        // 30 minutes at 500 ms with a 10 % set-point step.
        SimOutput out =
            RunSim("run '" + example + "' --step sp:10 --seed 1 --archive A --path " + path, false,
                   folder.path());
        ASSERT_EQ(out.status, 0) << path;
        std::string archive = folder.Read("A_1.txd");
        EXPECT_EQ(archive.size(), 1073464u) << path;
        EXPECT_EQ(Hash(archive), 0x7edfa85f96fa90afu) << path;
    }
}

}  // namespace
}  // namespace vork
