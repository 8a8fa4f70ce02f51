#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vork {

// One open text file of a trend export. Lines are UTF-8 in memory.
class TrendFile {
  public:
    virtual ~TrendFile() = default;
    // Writes one line; false when the write failed.
    virtual bool WriteLine(std::string_view line) = 0;
};

// The folder operations the trend exports need.
class TrendFileSystem {
  public:
    virtual ~TrendFileSystem() = default;
    virtual bool Exists(const std::string& path) const = 0;
    // Creates (or truncates) the file; nullptr when it cannot be created.
    virtual std::unique_ptr<TrendFile> Create(const std::string& path) = 0;
};

// Files on disk: Windows-1252, CR LF, flushed line by line so an archive survives a crash.
class DiskTrendFileSystem : public TrendFileSystem {
  public:
    bool Exists(const std::string& path) const override;
    std::unique_ptr<TrendFile> Create(const std::string& path) override;
};

// `name` inside `folder`, with the platform's separator; an empty folder means the name alone.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vork
