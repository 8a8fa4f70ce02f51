#include "plant/trend_export.h"

#include "engine/numbers.h"

namespace vork {

namespace {

std::string IoError(const std::string& path) {
    return "I/O error: " + path;
}

}  // namespace

std::string NextArchiveName(const TrendFileSystem& files, const std::string& folder,
                            const std::string& tag) {
    for (int n = 1;; ++n) {
        std::string name = tag + "_" + std::to_string(n) + ".txt";
        if (!files.Exists(JoinPath(folder, name))) return name;
    }
}

std::string ArchiveNumber(double value, bool decimalComma) {
    std::string text = Fixed(value, 2, 3);
    if (decimalComma) {
        size_t dot = text.find('.');
        if (dot != std::string::npos) text[dot] = ',';
    }
    return text;
}

bool TrendExport::Start(TrendFileSystem& files, const std::string& folder, const std::string& tag,
                        TimeBase base, const std::vector<std::string>& titles) {
    Stop();
    error.clear();
    fileName_ = NextArchiveName(files, folder, tag);
    path_ = JoinPath(folder, fileName_);
    file_ = files.Create(path_);
    std::string header = ArchiveTimeHeader(base);
    for (size_t i = 0; i < titles.size(); ++i)
        header += (i == 0 ? "" : ";") + titles[i];
    if (!file_ || !file_->WriteLine(header)) {
        file_.reset();
        error = IoError(path_);
        return false;
    }
    timeStep = ArchiveTimeStep(base);
    return true;
}

bool TrendExport::WriteRow(const std::vector<double>& values, bool decimalComma) {
    if (!file_) return false;
    std::string row = ArchiveNumber(rowTime, decimalComma);
    for (double v : values)
        row += ";" + ArchiveNumber(v, decimalComma);
    rowTime += timeStep;
    if (file_->WriteLine(row)) return true;
    file_.reset();
    error = IoError(path_);
    return false;
}

void TrendExport::Stop() {
    file_.reset();
}

}  // namespace vork
