#include "project/simulation_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "project/atomic_file.h"
#include "project/load_error.h"

namespace vork {

namespace {

std::string Localized(Language language, const std::string& portuguese,
                      const std::string& english) {
    return language == Language::English ? english : portuguese;
}

// Reads the whole file, or says why not.
std::string ReadBytes(const std::filesystem::path& path, Language language, std::string& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Localized(language, "Arquivo não encontrado", "File not found");
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxSimulationFileBytes)
        return Localized(language, "Arquivo grande demais para uma simulação: ",
                         "File too large for a simulation: ") +
               path.filename().string();
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (ec || in.bad())
        return Localized(language, "Erro de leitura: ", "Read error: ") + path.string();
    return {};
}

}  // namespace

FileResult SaveSimulationFile(const std::filesystem::path& path, const ProjectFrame& frame) {
    LineWriter out;
    WriteFrame(frame, out);
    return {WriteFileAtomically(path, out.Bytes()), {}};
}

FileResult LoadSimulationFile(const std::filesystem::path& path, const ProjectFrame& frame) {
    FileResult result;
    std::string bytes;
    result.error = ReadBytes(path, frame.language, bytes);
    if (!result.ok()) return result;
    return ReadSimulationBytes(std::move(bytes), path.stem().string(), frame);
}

FileResult ReadSimulationBytes(std::string bytes, std::string_view fileName,
                               const ProjectFrame& frame) {
    FileResult result;
    LineReader in(std::move(bytes));
    try {
        result.messages = ReadFrame(frame, in, fileName);
    } catch (const LoadError& e) {
        result.error = e.Message(frame.language);
    }
    return result;
}

}  // namespace vork
