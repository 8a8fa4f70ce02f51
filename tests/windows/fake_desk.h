#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "windows/desk.h"

namespace vork::test {

// A desk that writes down what it is asked and answers from queues: No and cancelled once they
// run out.
class FakeDesk : public Desk {
  public:
    std::vector<std::string> messages, questions;
    std::vector<FileQuestion> dialogs;
    std::deque<bool> answers;
    std::deque<std::filesystem::path> files;

    void Message(const std::string& text) override { messages.push_back(text); }
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::filesystem::path OpenFileName(const FileQuestion& q) override { return Next(q); }
    std::filesystem::path SaveFileName(const FileQuestion& q) override { return Next(q); }
    std::filesystem::path ChooseFolder(const std::filesystem::path& folder) override {
        return Next({"", folder, "", ""});
    }

  private:
    std::filesystem::path Next(const FileQuestion& q) {
        dialogs.push_back(q);
        if (files.empty()) return {};
        std::filesystem::path next = files.front();
        files.pop_front();
        return next;
    }
};

}  // namespace vork::test
