#include "project/rtf_tokenizer.h"

#include <algorithm>
#include <cstdint>

namespace vork {

namespace {

// Parameters are 16- or 32-bit numbers; longer digit runs saturate here so nothing overflows.
constexpr int kParameterLimit = 1'000'000'000;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RtfToken KindToken(RtfToken::Kind kind) {
    RtfToken token;
    token.kind = kind;
    return token;
}

RtfToken WordToken(std::string_view word) {
    RtfToken token = KindToken(RtfToken::Kind::Word);
    token.word = word;
    return token;
}

RtfToken SymbolToken(char symbol) {
    RtfToken token = KindToken(RtfToken::Kind::Symbol);
    token.symbol = symbol;
    return token;
}

RtfToken ByteToken(int byte) {
    RtfToken token = KindToken(RtfToken::Kind::Byte);
    token.byte = static_cast<unsigned char>(byte);
    return token;
}

}  // namespace

RtfToken RtfTokenizer::Next() {
    while (pos_ < bytes_.size()) {
        char c = bytes_[pos_++];
        switch (c) {
            case '{':
                return KindToken(RtfToken::Kind::OpenGroup);
            case '}':
                return KindToken(RtfToken::Kind::CloseGroup);
            case '\\':
                return ControlSymbol();
            case '\r':
            case '\n':
                continue;
            default:
                return ByteToken(static_cast<unsigned char>(c));
        }
    }
    return {};
}

// After a backslash: a control word, a symbol, or nothing when the input ends there.
RtfToken RtfTokenizer::ControlSymbol() {
    if (pos_ >= bytes_.size()) return {};
    char c = bytes_[pos_];
    if (IsLetter(c)) return ControlWord();
    ++pos_;
    if (c == '\'') return HexByte();
    if (c == '\r' || c == '\n') return WordToken("par");
    return SymbolToken(c);
}

RtfToken RtfTokenizer::ControlWord() {
    size_t start = pos_;
    while (pos_ < bytes_.size() && IsLetter(bytes_[pos_]))
        ++pos_;
    RtfToken token = WordToken(bytes_.substr(start, pos_ - start));
    token.parameter = Parameter();
    if (pos_ < bytes_.size() && bytes_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    if (token.word == "bin" && token.parameter && *token.parameter > 0)
        pos_ += std::min<size_t>(*token.parameter, bytes_.size() - pos_);
    return token;
}

// A '-' counts as a sign only before a digit; otherwise it is left as the next text.
std::optional<int> RtfTokenizer::Parameter() {
    bool negative = pos_ + 1 < bytes_.size() && bytes_[pos_] == '-' && bytes_[pos_ + 1] >= '0' &&
                    bytes_[pos_ + 1] <= '9';
    if (negative) ++pos_;
    if (!AtDigit()) return std::nullopt;
    int64_t value = 0;
    for (; AtDigit(); ++pos_)
        value = std::min<int64_t>(value * 10 + (bytes_[pos_] - '0'), kParameterLimit);
    return static_cast<int>(negative ? -value : value);
}

bool RtfTokenizer::AtDigit() const {
    return pos_ < bytes_.size() && bytes_[pos_] >= '0' && bytes_[pos_] <= '9';
}

// \'hh: two hex digits make a byte; anything less is dropped as a symbol the reader ignores.
RtfToken RtfTokenizer::HexByte() {
    if (pos_ + 1 >= bytes_.size()) return SymbolToken('\'');
    int high = HexValue(bytes_[pos_]);
    int low = HexValue(bytes_[pos_ + 1]);
    if (high < 0 || low < 0) return SymbolToken('\'');
    pos_ += 2;
    return ByteToken(high * 16 + low);
}

}  // namespace vork
