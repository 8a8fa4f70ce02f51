#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace vork {

// One lexical unit of RTF.
struct RtfToken {
    enum class Kind { End, OpenGroup, CloseGroup, Word, Symbol, Byte };
    Kind kind = Kind::End;
    std::string_view word;         // Word: its letters
    std::optional<int> parameter;  // Word: the signed number after the letters, if any
    char symbol = 0;               // Symbol: the character after the backslash
    unsigned char byte = 0;        // Byte: a text byte, written as is or as \'hh
};

// Splits RTF bytes into tokens in one pass; every token consumes at least one byte, so reading
// any input ends. Line ends in the text are dropped (they only wrap the file's lines), a
// backslash before a line end is \par, and the data of \binN is stepped over unread.
class RtfTokenizer {
  public:
    explicit RtfTokenizer(std::string_view bytes) : bytes_(bytes) {}
    RtfToken Next();

  private:
    RtfToken ControlWord();
    RtfToken ControlSymbol();
    RtfToken HexByte();
    std::optional<int> Parameter();
    bool AtDigit() const;

    std::string_view bytes_;
    size_t pos_ = 0;
};

}  // namespace vork
