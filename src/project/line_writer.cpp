#include "project/line_writer.h"

#include "engine/windows1252.h"

namespace vork {

void LineWriter::Put(std::string_view line) {
    for (char c : line)
        text_ += (c == '\r' || c == '\n') ? ' ' : c;
    text_ += "\r\n";
}

std::string LineWriter::Bytes() const {
    return ToWindows1252(text_);
}

}  // namespace vork
