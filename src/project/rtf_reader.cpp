#include "project/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/windows1252.h"
#include "project/rtf_tokenizer.h"

namespace vork {

namespace {

// Groups deeper than this share the state of the deepest one kept, which bounds the saved states.
constexpr size_t kMaxDepth = 256;
// \fs is clamped to 1..1638 pt, the range word processors offer, so the panel never lays out a
// glyph of absurd size.
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;

// Destinations whose text is not part of the body; a group opened by \* is skipped as well.
constexpr std::array<std::string_view, 27> kSkippedDestinations = {
    "fonttbl",  "filetbl",    "stylesheet", "listtable", "listoverridetable",
    "revtbl",   "rsidtbl",    "info",       "pict",      "object",
    "objdata",  "nonshppict", "header",     "headerl",   "headerr",
    "headerf",  "footer",     "footerl",    "footerr",   "footerf",
    "footnote", "annotation", "fldinst",    "xe",        "tc",
    "ftnsep",   "generator"};

struct SpecialCharacter {
    std::string_view word;
    std::string_view utf8;
};

constexpr std::array<SpecialCharacter, 12> kSpecialCharacters = {{
    {"tab", "\t"},
    {"cell", "\t"},
    {"line", "\u2028"},
    {"emdash", "\u2014"},
    {"endash", "\u2013"},
    {"bullet", "\u2022"},
    {"lquote", "\u2018"},
    {"rquote", "\u2019"},
    {"ldblquote", "\u201C"},
    {"rdblquote", "\u201D"},
    {"emspace", "\u2003"},
    {"enspace", "\u2002"},
}};

enum class Destination { Body, ColourTable, Skipped };

// What a group saves on '{' and restores on '}'.
struct GroupState {
    RichFormat format;
    RichAlignment alignment = RichAlignment::Left;
    Destination destination = Destination::Body;
    int unicodeSkip = 1;  // \ucN: fallback characters that follow each \u
};

int FontSize(std::optional<int> parameter) {
    if (!parameter || *parameter <= 0) return RichFormat{}.halfPoints;
    return std::clamp(*parameter, kMinHalfPoints, kMaxHalfPoints);
}

bool IsHighSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDBFF;
}
bool IsLowSurrogate(char32_t cp) {
    return cp >= 0xDC00 && cp <= 0xDFFF;
}

class RtfReader {
  public:
    explicit RtfReader(std::string_view bytes) : tokens_(bytes) {}
    RichDocument Read();

  private:
    void Dispatch(const RtfToken& token);
    void OpenGroup();
    void CloseGroup();
    void Word(std::string_view word, std::optional<int> parameter, bool atGroupStart);
    bool EnterDestination(std::string_view word);
    bool CharacterFormat(std::string_view word, std::optional<int> parameter);
    bool ParagraphFormat(std::string_view word);
    void BodyWord(std::string_view word, std::optional<int> parameter);
    void ColourTableWord(std::string_view word, std::optional<int> parameter);
    std::optional<Colour> TableColour(std::optional<int> parameter) const;
    void Symbol(char c, bool atGroupStart);
    void Byte(unsigned char b);
    void Unicode(int value);
    void Append(std::string_view utf8);
    void EndParagraph();

    RtfTokenizer tokens_;
    GroupState state_;
    std::vector<GroupState> saved_;
    size_t overflow_ = 0;         // groups opened past kMaxDepth and not closed yet
    bool groupStart_ = false;     // no token read since the last '{'
    int fallbackLeft_ = 0;        // characters after a \u still to skip
    char32_t highSurrogate_ = 0;  // the first half of a pair written as two \u
    std::vector<std::optional<Colour>> colours_;
    std::optional<Colour> colourEntry_;  // the table entry being read; none while it is "auto"
    RichParagraph paragraph_;
    RichDocument document_;
};

RichDocument RtfReader::Read() {
    for (RtfToken token = tokens_.Next(); token.kind != RtfToken::Kind::End; token = tokens_.Next())
        Dispatch(token);
    if (!paragraph_.runs.empty()) document_.paragraphs.push_back(std::move(paragraph_));
    return std::move(document_);
}

void RtfReader::Dispatch(const RtfToken& token) {
    bool atGroupStart = std::exchange(groupStart_, false);
    switch (token.kind) {
        case RtfToken::Kind::OpenGroup:
            return OpenGroup();
        case RtfToken::Kind::CloseGroup:
            return CloseGroup();
        default:
            break;
    }
    // A brace ends the fallback of a \u early; anything else counts as one character.
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return;
    }
    switch (token.kind) {
        case RtfToken::Kind::Word:
            return Word(token.word, token.parameter, atGroupStart);
        case RtfToken::Kind::Symbol:
            return Symbol(token.symbol, atGroupStart);
        case RtfToken::Kind::Byte:
            return Byte(token.byte);
        default:
            return;
    }
}

void RtfReader::OpenGroup() {
    fallbackLeft_ = 0;
    groupStart_ = true;
    if (saved_.size() < kMaxDepth)
        saved_.push_back(state_);
    else
        ++overflow_;
}

void RtfReader::CloseGroup() {
    fallbackLeft_ = 0;
    if (overflow_ > 0) {
        --overflow_;
    } else if (!saved_.empty()) {
        state_ = std::move(saved_.back());
        saved_.pop_back();
    }
}

void RtfReader::Word(std::string_view word, std::optional<int> parameter, bool atGroupStart) {
    if (state_.destination == Destination::Skipped) return;
    if (atGroupStart && EnterDestination(word)) return;
    if (state_.destination == Destination::ColourTable)
        ColourTableWord(word, parameter);
    else
        BodyWord(word, parameter);
}

bool RtfReader::EnterDestination(std::string_view word) {
    if (word == "colortbl") {
        state_.destination = Destination::ColourTable;
        colours_.clear();
        colourEntry_.reset();
        return true;
    }
    if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) ==
        kSkippedDestinations.end())
        return false;
    state_.destination = Destination::Skipped;
    return true;
}

void RtfReader::BodyWord(std::string_view word, std::optional<int> parameter) {
    if (CharacterFormat(word, parameter) || ParagraphFormat(word)) return;
    if (word == "u" && parameter) return Unicode(*parameter);
    if (word == "uc") {
        state_.unicodeSkip = std::max(0, parameter.value_or(1));
        return;
    }
    if (word == "par" || word == "row") return EndParagraph();
    for (const SpecialCharacter& special : kSpecialCharacters)
        if (special.word == word) return Append(special.utf8);
}

bool RtfReader::CharacterFormat(std::string_view word, std::optional<int> parameter) {
    RichFormat& format = state_.format;
    bool on = parameter.value_or(1) != 0;
    if (word == "b")
        format.bold = on;
    else if (word == "i")
        format.italic = on;
    else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw")
        format.underline = on;
    else if (word == "ulnone")
        format.underline = false;
    else if (word == "fs")
        format.halfPoints = FontSize(parameter);
    else if (word == "cf")
        format.colour = TableColour(parameter);
    else if (word == "plain")
        format = RichFormat{};
    else
        return false;
    return true;
}

bool RtfReader::ParagraphFormat(std::string_view word) {
    RichAlignment& alignment = state_.alignment;
    if (word == "pard" || word == "ql")
        alignment = RichAlignment::Left;
    else if (word == "qc")
        alignment = RichAlignment::Centre;
    else if (word == "qr")
        alignment = RichAlignment::Right;
    else if (word == "qj")
        alignment = RichAlignment::Justified;
    else
        return false;
    return true;
}

// \cf0 is usually the table's empty first entry, the default colour; a number past the table too.
std::optional<Colour> RtfReader::TableColour(std::optional<int> parameter) const {
    int index = parameter.value_or(0);
    if (index < 0 || static_cast<size_t>(index) >= colours_.size()) return std::nullopt;
    return colours_[index];
}

void RtfReader::ColourTableWord(std::string_view word, std::optional<int> parameter) {
    int shift = word == "red" ? 0 : word == "green" ? 8 : word == "blue" ? 16 : -1;
    if (shift < 0) return;
    auto value = static_cast<Colour>(std::clamp(parameter.value_or(0), 0, 255));
    colourEntry_ = (colourEntry_.value_or(0) & ~(Colour{0xFF} << shift)) | value << shift;
}

void RtfReader::Symbol(char c, bool atGroupStart) {
    if (c == '*' && atGroupStart) state_.destination = Destination::Skipped;
    if (state_.destination != Destination::Body) return;
    switch (c) {
        case '\\':
        case '{':
        case '}':
            return Append(std::string_view(&c, 1));
        case '~':
            return Append("\u00A0");
        case '_':
            return Append("\u2011");
        default:
            return;  // \- (optional hyphen) and symbols of no use to a reader
    }
}

void RtfReader::Byte(unsigned char b) {
    if (state_.destination == Destination::ColourTable && b == ';') {
        colours_.push_back(std::exchange(colourEntry_, std::nullopt));
        return;
    }
    if (state_.destination != Destination::Body || (b < 0x20 && b != '\t')) return;
    char c = static_cast<char>(b);
    Append(FromWindows1252(std::string_view(&c, 1)));
}

void RtfReader::Unicode(int value) {
    fallbackLeft_ = state_.unicodeSkip;
    if (value < -0x8000 || value > 0x10FFFF) return;
    char32_t cp = value < 0 ? value + 0x10000 : value;
    if (IsHighSurrogate(cp)) {
        highSurrogate_ = cp;
        return;
    }
    if (IsLowSurrogate(cp)) {
        if (highSurrogate_ == 0) return;
        cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00);
    }
    if (cp < 0x20 && cp != '\t') return;
    std::string utf8;
    AppendUtf8(utf8, cp);
    Append(utf8);
}

void RtfReader::Append(std::string_view utf8) {
    highSurrogate_ = 0;
    paragraph_.alignment = state_.alignment;
    std::vector<RichRun>& runs = paragraph_.runs;
    if (runs.empty() || runs.back().format != state_.format) runs.push_back({{}, state_.format});
    runs.back().text += utf8;
}

void RtfReader::EndParagraph() {
    highSurrogate_ = 0;
    paragraph_.alignment = state_.alignment;
    document_.paragraphs.push_back(std::exchange(paragraph_, {}));
}

RichParagraph PlainParagraph(std::string_view line) {
    std::string text;
    for (char c : line)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') text += c;
    RichParagraph paragraph;
    if (!text.empty()) paragraph.runs.push_back({std::move(text), {}});
    return paragraph;
}

// Not RTF: the text as the panel would show a text file.
RichDocument PlainDocument(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string text = IsUtf8(bytes) ? std::string(bytes) : FromWindows1252(bytes);
    RichDocument document;
    for (size_t start = 0; start < text.size();) {
        size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        document.paragraphs.push_back(
            PlainParagraph(std::string_view(text).substr(start, end - start)));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return document;
}

}  // namespace

namespace {

std::string_view SkipBlanks(std::string_view bytes) {
    return bytes.substr(std::min(bytes.find_first_not_of(" \t\r\n"), bytes.size()));
}

}  // namespace

bool IsRtf(std::string_view bytes) {
    return SkipBlanks(bytes).starts_with("{\\rtf");
}

RichDocument ReadRtf(std::string_view bytes) {
    if (IsRtf(bytes)) return RtfReader(SkipBlanks(bytes)).Read();
    return PlainDocument(bytes);
}

}  // namespace vork
