#pragma once

#include <QPointer>
#include <QWidget>

#include "app/platform/platform.h"

namespace vork {

// The desktop as Qt offers it: QMessageBox, QFileDialog, QDesktopServices and
// QNetworkInformation. Boxes and dialogs open over `parent` when it is set.
class QtPlatform : public Platform {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const QString& text) override;
    bool Confirm(const QString& text) override;
    QString OpenFileName(const FileDialog& dialog) override;
    QString SaveFileName(const FileDialog& dialog) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;
    bool OpenWebAddress(const QString& address) override;
    bool InternetAvailable() override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace vork
