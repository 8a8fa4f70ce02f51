#pragma once

#include <stdexcept>
#include <string>

#include "engine/language.h"

namespace vork {

// Stops a load: a line that must hold a strict integer holds something else. Carries where it
// happened so the message can name the line and the text found.
class LoadError : public std::runtime_error {
  public:
    LoadError(int line, std::string found, int lastLine);

    int line() const { return line_; }
    const std::string& found() const { return found_; }
    // True when the line lies past the end of a file that ended early.
    bool pastEnd() const { return line_ > lastLine_; }

    // The platform's conversion message followed by the line, in the interface language.
    std::string Message(Language language) const;

  private:
    int line_;
    std::string found_;
    int lastLine_;
};

}  // namespace vork
