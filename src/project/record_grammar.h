#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/language.h"
#include "project/line_reader.h"
#include "project/line_writer.h"

// The grammar every object record follows: a header line, then numbered item lines made of a
// prefix, a key and the value. Items are recognised by their order only; a value is taken from
// a fixed character position.
namespace vork {

// The identifier of a record: at least two digits.
std::string TwoDigits(int number);

// "=====<<<CONTROLADOR:" + "03" + ">>>=====".
std::string RecordHeader(std::string_view opening, int identifier);

// Item prefix "{C03/14} " (nine characters) with an identifier, "{R/01} " (seven) without.
std::string ItemPrefix(char kind, std::optional<int> identifier, int item);
constexpr int kPrefixWithIdentifier = 9;
constexpr int kPrefixWithoutIdentifier = 7;

// A state value: fixed real 4.2, the number to two decimals in at least four characters.
std::string StateText(double value);

// The list position of "nothing selected".
constexpr int kNoSelection = -1;

// A list or radio-group position read from a file: the position when the control has that entry,
// otherwise `fallback`: the default of a radio group or of a list of fixed choices, kNoSelection
// for a variable list (its object reports the missing choice) or a control without a default.
// So the object runs what its window shows, and saving writes that back.
int ListPosition(int position, int entries, int fallback);

// The part of a line from character `position` (1-based) on; empty when the line is shorter.
// Characters, not bytes: each stands for one byte on disk.
std::string ValueFrom(std::string_view line, int position);

// Writes a record's header and its items, numbering them 01, 02, ...
class RecordWriter {
  public:
    RecordWriter(LineWriter& out, char kind, std::optional<int> identifier)
        : out_(out), kind_(kind), identifier_(identifier) {}

    void Header(std::string_view line) { out_.Put(line); }
    // Writes prefix, key and value; the key is a fixed text ending in ":" or empty.
    void Item(std::string_view key, std::string_view value);

  private:
    LineWriter& out_;
    char kind_;
    std::optional<int> identifier_;
    int next_ = 1;
};

// Reads a record's items in order. The value of an item starts at prefix length + key length
// + 1; neither the prefix nor the key is compared.
class RecordReader {
  public:
    RecordReader(LineReader& in, int prefixLength) : in_(in), prefixLength_(prefixLength) {}

    void SkipHeader() { in_.Next(); }
    std::string Text(std::string_view key);
    std::string Bilingual(std::string_view key, Language language);
    bool WordFlag(std::string_view key);
    int Integer(std::string_view key);
    // Stops the load with a LoadError when the value is not a strict integer.
    int StrictInteger(std::string_view key);
    // A value already read, as a strict integer of the line it came from.
    int StrictValue(std::string_view value) const { return in_.StrictInteger(value); }
    double Real(std::string_view key);

  private:
    LineReader& in_;
    int prefixLength_;
};

}  // namespace vork
