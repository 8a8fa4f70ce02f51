#include "app/platform/stderr_platform.h"

#include <cstdio>

namespace vork {

namespace {

void Write(const char* kind, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", kind, text.toUtf8().constData());
}

}  // namespace

void StderrPlatform::Message(const QString& text) {
    Write("message", text);
}

bool StderrPlatform::Confirm(const QString& text) {
    Write("question (answered No)", text);
    return false;
}

QString StderrPlatform::OpenFileName(const FileDialog& dialog) {
    Write("open dialog (cancelled)", dialog.title);
    return {};
}

QString StderrPlatform::SaveFileName(const FileDialog& dialog) {
    Write("save dialog (cancelled)", dialog.title);
    return {};
}

QString StderrPlatform::ChooseFolder(const QString& title, const QString&) {
    Write("folder dialog (cancelled)", title);
    return {};
}

bool StderrPlatform::OpenWebAddress(const QString& address) {
    Write("web address (not opened)", address);
    return false;
}

bool StderrPlatform::InternetAvailable() {
    return false;
}

}  // namespace vork
