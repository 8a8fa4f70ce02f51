#pragma once

#include <string>
#include <string_view>

namespace vork {

// Collects the lines of a simulation file; each line ends with CR LF.
class LineWriter {
  public:
    // Appends one line. A value never spans lines, so line breaks inside it become blanks.
    void Put(std::string_view line);

    // What was written, UTF-8.
    const std::string& Text() const { return text_; }
    // What goes to disk, Windows-1252.
    std::string Bytes() const;

  private:
    std::string text_;
};

}  // namespace vork
