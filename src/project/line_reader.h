#pragma once

#include <string>
#include <string_view>

namespace vork {

// Reads a simulation file line by line. The content is Windows-1252 with CR LF or LF line ends;
// lines come out as UTF-8 without their line end. Past the end every line reads as empty, so a
// file that ends early reads as if the missing lines were empty.
class LineReader {
  public:
    explicit LineReader(std::string bytes);

    std::string Next();
    void Skip(int lines = 1);
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    // Number of the line last returned (1-based); it keeps counting past the end.
    int LineNumber() const { return line_; }

    // The text of the line last read as a strict integer; anything else stops the load with a
    // LoadError naming this line.
    int StrictInteger(std::string_view text) const;

  private:
    std::string bytes_;
    size_t pos_ = 0;
    int line_ = 0;
    int lastLine_ = 0;  // number of the last line the content holds
};

}  // namespace vork
