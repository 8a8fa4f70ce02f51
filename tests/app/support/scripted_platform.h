#pragma once

#include <QStringList>
#include <deque>
#include <vector>

#include "app/platform/platform.h"

namespace vork::test {

// The desktop of a test: it writes down everything it is asked to show and gives the answers
// the test queued (No, and cancelled dialogs, once they run out).
class ScriptedPlatform : public Platform {
  public:
    QStringList messages;   // information boxes
    QStringList questions;  // confirmation boxes
    std::vector<FileDialog> dialogs;
    QStringList webAddresses;

    std::deque<bool> answers;     // for Confirm
    std::deque<QString> choices;  // for the file and folder dialogs
    bool internet = false;
    bool webOpens = true;

    void Message(const QString& text) override { messages << text; }
    bool Confirm(const QString& text) override {
        questions << text;
        return Next(answers, false);
    }
    QString OpenFileName(const FileDialog& dialog) override { return Chosen(dialog); }
    QString SaveFileName(const FileDialog& dialog) override { return Chosen(dialog); }
    QString ChooseFolder(const QString& title, const QString& folder) override {
        return Chosen({title, folder, QString(), QString()});
    }
    bool OpenWebAddress(const QString& address) override {
        webAddresses << address;
        return webOpens;
    }
    bool InternetAvailable() override { return internet; }

  private:
    template <class T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
    QString Chosen(const FileDialog& dialog) {
        dialogs.push_back(dialog);
        return Next(choices, QString());
    }
};

}  // namespace vork::test
