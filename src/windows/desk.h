#pragma once

#include <filesystem>
#include <string>

namespace vork {

// A file dialog as a window model asks for it. The filter is written as the windows give it:
// pairs of description and pattern separated by bars.
struct FileQuestion {
    std::string title;
    std::filesystem::path folder;  // where the dialog starts
    std::string fileName;          // the name it proposes
    std::string filter;
};

// What a window model asks of the user: message boxes and file dialogs. The program answers
// with the desktop's dialogs, tests with queued answers.
class Desk {
  public:
    virtual ~Desk() = default;

    // An information box with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // The file chosen; empty when the dialog was cancelled.
    virtual std::filesystem::path OpenFileName(const FileQuestion& question) = 0;
    virtual std::filesystem::path SaveFileName(const FileQuestion& question) = 0;
    // The folder chosen, starting in `folder`; empty when cancelled.
    virtual std::filesystem::path ChooseFolder(const std::filesystem::path& folder) = 0;
};

}  // namespace vork
