#include "app/platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QNetworkInformation>
#include <QUrl>

#include "app/platform/file_filter.h"

namespace vork {

namespace {

QString StartFolder(const FileDialog& dialog) {
    QString folder = dialog.folder.isEmpty() ? QDir::currentPath() : dialog.folder;
    return dialog.fileName.isEmpty() ? folder : QDir(folder).filePath(dialog.fileName);
}

}  // namespace

void QtPlatform::Message(const QString& text) {
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), text,
                             QMessageBox::Ok);
}

bool QtPlatform::Confirm(const QString& text) {
    return QMessageBox::question(parent_, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtPlatform::OpenFileName(const FileDialog& dialog) {
    return QFileDialog::getOpenFileName(parent_, dialog.title, StartFolder(dialog),
                                        QtFileFilter(dialog.filter));
}

QString QtPlatform::SaveFileName(const FileDialog& dialog) {
    return QFileDialog::getSaveFileName(parent_, dialog.title, StartFolder(dialog),
                                        QtFileFilter(dialog.filter));
}

QString QtPlatform::ChooseFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent_, title, folder);
}

bool QtPlatform::OpenWebAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtPlatform::InternetAvailable() {
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return false;
    QNetworkInformation* info = QNetworkInformation::instance();
    return info && info->reachability() == QNetworkInformation::Reachability::Online;
}

}  // namespace vork
