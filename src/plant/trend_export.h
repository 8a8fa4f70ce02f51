#pragma once

#include <memory>
#include <string>
#include <vector>

#include "plant/trend_file.h"
#include "plant/trend_time_base.h"

namespace vork {

// The archive of a trend: a ";"-separated text file with a time-base header and one row per
// sample. The row time is 0 when the owner is created and keeps growing across archives.
class TrendExport {
  public:
    // Creates tag + "_" + n + ".txt" in `folder` with the smallest free n >= 1 and writes the
    // header: the time cell of `base`, then `titles` separated by ";". False when the file
    // cannot be created or written; `error` then holds the reason and the archive stays off.
    bool Start(TrendFileSystem& files, const std::string& folder, const std::string& tag,
               TimeBase base, const std::vector<std::string>& titles);
    // Writes the row time and `values`, then advances the row time by the time step. A failed
    // write closes the archive and returns false with `error` set.
    bool WriteRow(const std::vector<double>& values, bool decimalComma);
    // Closes the file; the archive is off.
    void Stop();

    bool on() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }          // folder and name
    const std::string& fileName() const { return fileName_; }  // name only

    double rowTime = 0.0;   // seconds
    double timeStep = 0.1;  // seconds per row
    std::string error;

  private:
    std::unique_ptr<TrendFile> file_;
    std::string path_;
    std::string fileName_;
};

// The first free tag + "_" + n + ".txt" in `folder`, n counted from 1.
std::string NextArchiveName(const TrendFileSystem& files, const std::string& folder,
                            const std::string& tag);

// One number of a row: two decimals, at least three characters, the first "." turned into ","
// when `decimalComma` is set.
std::string ArchiveNumber(double value, bool decimalComma);

}  // namespace vork
