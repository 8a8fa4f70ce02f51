#include "plant/trend_file.h"

#include <filesystem>
#include <fstream>

#include "engine/windows1252.h"

namespace vork {

namespace {

class DiskTrendFile : public TrendFile {
  public:
    explicit DiskTrendFile(std::ofstream out) : out_(std::move(out)) {}

    bool WriteLine(std::string_view line) override {
        out_ << ToWindows1252(line) << "\r\n";
        out_.flush();
        return static_cast<bool>(out_);
    }

  private:
    std::ofstream out_;
};

}  // namespace

bool DiskTrendFileSystem::Exists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(path), ec);
}

std::unique_ptr<TrendFile> DiskTrendFileSystem::Create(const std::string& path) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    if (!out) return nullptr;
    return std::make_unique<DiskTrendFile>(std::move(out));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return (std::filesystem::path(folder) / name).string();
}

}  // namespace vork
