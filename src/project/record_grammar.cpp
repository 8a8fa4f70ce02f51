#include "project/record_grammar.h"

#include "engine/numbers.h"
#include "engine/windows1252.h"
#include "project/value_forms.h"

namespace vork {

std::string TwoDigits(int number) {
    std::string digits = std::to_string(number < 0 ? -number : number);
    if (digits.size() < 2) digits.insert(0, "0");
    return number < 0 ? "-" + digits : digits;
}

std::string RecordHeader(std::string_view opening, int identifier) {
    return std::string(opening) + TwoDigits(identifier) + ">>>=====";
}

std::string ItemPrefix(char kind, std::optional<int> identifier, int item) {
    std::string prefix = "{";
    prefix += kind;
    if (identifier) prefix += TwoDigits(*identifier);
    return prefix + "/" + TwoDigits(item) + "} ";
}

std::string StateText(double value) {
    return Fixed(value, 2, 4);
}

int ListPosition(int position, int entries, int fallback) {
    return position >= 0 && position < entries ? position : fallback;
}

std::string ValueFrom(std::string_view line, int position) {
    size_t i = 0;
    for (int skipped = 1; skipped < position && i < line.size(); ++skipped) {
        ++i;
        while (i < line.size() && (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80)
            ++i;
    }
    return std::string(line.substr(i));
}

void RecordWriter::Item(std::string_view key, std::string_view value) {
    out_.Put(ItemPrefix(kind_, identifier_, next_++) + std::string(key) + std::string(value));
}

std::string RecordReader::Text(std::string_view key) {
    return ValueFrom(in_.Next(), prefixLength_ + CharacterCount(key) + 1);
}

std::string RecordReader::Bilingual(std::string_view key, Language language) {
    return LanguagePart(Text(key), language);
}

bool RecordReader::WordFlag(std::string_view key) {
    return ReadWordFlag(Text(key));
}

int RecordReader::Integer(std::string_view key) {
    return ReadInteger(Text(key));
}

int RecordReader::StrictInteger(std::string_view key) {
    return in_.StrictInteger(Text(key));
}

double RecordReader::Real(std::string_view key) {
    return ReadReal(Text(key));
}

}  // namespace vork
