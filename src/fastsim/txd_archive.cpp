#include "fastsim/txd_archive.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "engine/numbers.h"
#include "engine/windows1252.h"
#include "fastsim/progress_gauge.h"
#include "plant/addresses.h"

namespace vork {

namespace fs = std::filesystem;

std::string NextArchiveName(const fs::path& folder, const std::string& base) {
    std::error_code ec;
    for (int k = 1;; ++k) {
        std::string name = base + "_" + std::to_string(k) + ".txd";
        if (!fs::exists(folder / name, ec)) return name;
    }
}

std::vector<std::string> ListArchives(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.ends_with(".txd") && entry.is_regular_file(ec))
            names.push_back(name.substr(0, name.size() - 4));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ArchiveHeader(const VariableTable& vars, int windowSeconds, double dt) {
    std::string line;
    for (int n = 1; n <= 99; ++n) {
        std::string description = vars.Description(n);
        std::replace(description.begin(), description.end(), ';', ',');
        char number[4];
        std::snprintf(number, sizeof number, "%02d", n);
        line += std::string(number) + " " + description + ";";
    }
    return line + Fixed(dt, 1) + ";" + std::to_string(windowSeconds) + ";";
}

std::string ArchiveDataLine(const VariableTable& vars) {
    std::string line;
    line.reserve(99 * 7);
    for (int n = 1; n <= 99; ++n)
        line += Fixed(vars.Read(n), 2, 5) + ";";
    return line;
}

std::optional<std::string> ArchiveWriter::Open(const fs::path& folder, const std::string& base) {
    fileName_ = NextArchiveName(folder, base);
    path_ = folder / fileName_;
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_) return "Cannot create the file " + path_.string();
    return std::nullopt;
}

std::optional<std::string> ArchiveWriter::WriteLine(const std::string& line) {
    out_ << ToWindows1252(line) << "\r\n";
    if (!out_) return "Cannot write the file " + path_.string();
    return std::nullopt;
}

std::optional<std::string> ArchiveWriter::Close() {
    out_.close();
    if (out_.fail()) return "Cannot write the file " + path_.string();
    return std::nullopt;
}

std::optional<double> ArchiveField(const std::string& line, int k) {
    size_t begin = 0;
    for (int i = 1; i < k; ++i) {
        begin = line.find(';', begin);
        if (begin == std::string::npos) return std::nullopt;
        ++begin;
    }
    size_t end = line.find(';', begin);
    if (end == std::string::npos) return std::nullopt;
    std::string_view field = std::string_view(line).substr(begin, end - begin);
    size_t i = field.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    size_t sign = (field[i] == '-' || field[i] == '+') ? 1 : 0;
    size_t body = NumberBodyLength(field, i + sign);
    if (body == 0 || i + sign + body != field.size()) return std::nullopt;
    return ParseLenient(field);
}

namespace {

std::string LineError(const fs::path& file, int lineNumber, const std::string& what) {
    return file.filename().string() + ", line " + std::to_string(lineNumber) + ": " + what;
}

bool ReadLine(std::ifstream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// Appends one data line to every active loop; returns an error text when a field is missing.
std::optional<std::string> AppendDataLine(const std::string& line, const LoopConfigs& loops,
                                          const VariableTable& vars, bool normalize,
                                          LoopCurveSet& curves) {
    for (size_t i = 0; i < loops.size(); ++i) {
        if (!loops[i].Active()) continue;
        int loop = static_cast<int>(i) + 1;
        const int co = ControllerOutputAddress(loop), sp = SetpointAddress(loop);
        for (int field : {co, loops[i].pvAddress, sp})
            if (!ArchiveField(line, field))
                return "field " + std::to_string(field) + " is missing or not a number";
        AppendLoopPoint(curves[i], vars, loops[i].pvAddress,
                        *ArchiveField(line, loops[i].pvAddress), *ArchiveField(line, sp),
                        *ArchiveField(line, co), normalize);
    }
    return std::nullopt;
}

}  // namespace

ArchiveLoad LoadArchive(const fs::path& file, const LoopConfigs& loops, const VariableTable& vars,
                        bool normalize, const std::function<void(int)>& progress) {
    ArchiveLoad load;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!in || !ReadLine(in, line)) {
        load.error = "Cannot read the file " + file.string();
        return load;
    }
    std::optional<double> w = ArchiveField(line, 101);
    if (!w || *w < 2 || *w > 1e9) {
        load.error = LineError(file, 1, "the header does not give a window length");
        return load;
    }
    load.windowSeconds = static_cast<int>(RoundHalfEven(*w));
    for (size_t i = 0; i < loops.size(); ++i)
        if (loops[i].present) load.curves[i].Clear();
    ProgressGauge gauge(progress, load.windowSeconds);
    for (int k = 0; k < load.windowSeconds; ++k) {
        gauge.At(k);
        if (!ReadLine(in, line)) {
            load.error = LineError(file, k + 2,
                                   "the archive ends before its announced " +
                                       std::to_string(load.windowSeconds) + " seconds");
            return load;
        }
        if (auto error = AppendDataLine(line, loops, vars, normalize, load.curves)) {
            load.error = LineError(file, k + 2, *error);
            return load;
        }
    }
    return load;
}

}  // namespace vork
