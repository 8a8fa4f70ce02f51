#pragma once

#include "app/platform/platform.h"

namespace vork {

// The desktop of a run that nobody watches (`vork --screenshots`): messages and questions go to
// standard error, every question is answered No, every dialog is cancelled, and nothing is
// opened or looked up.
class StderrPlatform : public Platform {
  public:
    void Message(const QString& text) override;
    bool Confirm(const QString& text) override;
    QString OpenFileName(const FileDialog& dialog) override;
    QString SaveFileName(const FileDialog& dialog) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;
    bool OpenWebAddress(const QString& address) override;
    bool InternetAvailable() override;
};

}  // namespace vork
