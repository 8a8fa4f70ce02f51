#include "project/load_error.h"

#include "engine/numbers.h"

namespace vork {

LoadError::LoadError(int line, std::string found, int lastLine)
    : std::runtime_error(ConversionMessage(found)),
      line_(line),
      found_(std::move(found)),
      lastLine_(lastLine) {}

std::string LoadError::Message(Language language) const {
    bool english = language == Language::English;
    std::string where = (english ? " (line " : " (linha ") + std::to_string(line_);
    if (pastEnd())
        where += (english ? "; the file ends at line " : "; o arquivo termina na linha ") +
                 std::to_string(lastLine_);
    return ConversionMessage(found_) + where + ")";
}

}  // namespace vork
