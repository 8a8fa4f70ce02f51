#include "project/line_reader.h"

#include "engine/numbers.h"
#include "engine/windows1252.h"
#include "project/load_error.h"

namespace vork {

namespace {

int CountLines(std::string_view bytes) {
    if (bytes.empty()) return 0;
    int lines = 0;
    for (char c : bytes)
        if (c == '\n') ++lines;
    return bytes.back() == '\n' ? lines : lines + 1;
}

}  // namespace

LineReader::LineReader(std::string bytes)
    : bytes_(std::move(bytes)), lastLine_(CountLines(bytes_)) {}

std::string LineReader::Next() {
    ++line_;
    if (AtEnd()) return {};
    size_t end = bytes_.find('\n', pos_);
    if (end == std::string::npos) end = bytes_.size();
    size_t stop = end;
    if (stop > pos_ && bytes_[stop - 1] == '\r') --stop;
    std::string line = FromWindows1252(std::string_view(bytes_).substr(pos_, stop - pos_));
    pos_ = end < bytes_.size() ? end + 1 : end;
    return line;
}

void LineReader::Skip(int lines) {
    for (int i = 0; i < lines; ++i)
        Next();
}

int LineReader::StrictInteger(std::string_view text) const {
    std::optional<int> value = ParseStrictInt(text);
    if (!value) throw LoadError(line_, std::string(text), lastLine_);
    return *value;
}

}  // namespace vork
