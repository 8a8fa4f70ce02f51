#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/variable_table.h"
#include "fastsim/loop_curves.h"

namespace vork {

// The first free archive name in `folder`: base + "_" + k + ".txd" for the smallest k >= 1.
std::string NextArchiveName(const std::filesystem::path& folder, const std::string& base);

// Names of the "*.txd" files in `folder` without their extension, sorted.
std::vector<std::string> ListArchives(const std::filesystem::path& folder);

// The header line: the 99 "nn description" fields, dt with one decimal, W in seconds. A ";" in a
// description would shift every later field for a reader, so it is written as ",".
std::string ArchiveHeader(const VariableTable& vars, int windowSeconds, double dt);

// One data line: fixed(value, 2) of M01..M99, each field ended by ";".
std::string ArchiveDataLine(const VariableTable& vars);

// Writes one archive during a run. Lines end in CR LF; text is Windows-1252.
class ArchiveWriter {
  public:
    // Creates the next free file for `base` in `folder`. Returns an error text on failure.
    std::optional<std::string> Open(const std::filesystem::path& folder, const std::string& base);
    std::optional<std::string> WriteLine(const std::string& line);
    std::optional<std::string> Close();
    const std::string& FileName() const { return fileName_; }
    bool IsOpen() const { return out_.is_open(); }

  private:
    std::ofstream out_;
    std::filesystem::path path_;
    std::string fileName_;
};

// k-th ";"-terminated field of a line (1-based), read as a number with leading blanks allowed.
// Empty when the line has fewer fields or the field is not a number.
std::optional<double> ArchiveField(const std::string& line, int k);

struct ArchiveLoad {
    LoopCurveSet curves;
    int windowSeconds = 0;
    std::string error;  // empty when the whole archive was read
};

// Reads an archive into the curves of the active loops, with the loop configuration of the open
// project. `progress` receives 0..100.
ArchiveLoad LoadArchive(const std::filesystem::path& file, const LoopConfigs& loops,
                        const VariableTable& vars, bool normalize,
                        const std::function<void(int)>& progress = {});

}  // namespace vork
