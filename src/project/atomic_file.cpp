#include "project/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace vork {

namespace {

std::string IoError(const std::filesystem::path& path, const std::string& reason) {
    return "I/O error: " + reason + " (" + path.string() + ")";
}

std::string WriteWhole(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return IoError(path, std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return IoError(path, "write failed");
    return {};
}

}  // namespace

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path temporary = TemporaryBeside(target);
    std::string error = WriteWhole(temporary, bytes);
    std::error_code ec;
    if (error.empty()) {
        std::filesystem::rename(temporary, target, ec);
        if (ec) error = IoError(target, ec.message());
    }
    if (!error.empty() && std::filesystem::is_regular_file(temporary, ec))
        std::filesystem::remove(temporary, ec);
    return error;
}

}  // namespace vork
