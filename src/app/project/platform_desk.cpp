#include "app/project/platform_desk.h"
#include "app/std_text.h"

namespace vork {

namespace {

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

FileDialog DialogOf(const FileQuestion& q) {
    return {FromStd(q.title), FromPath(q.folder), FromStd(q.fileName), FromStd(q.filter)};
}

}  // namespace

void PlatformDesk::Message(const std::string& text) {
    platform_.Message(FromStd(text));
}

bool PlatformDesk::Confirm(const std::string& text) {
    return platform_.Confirm(FromStd(text));
}

std::filesystem::path PlatformDesk::OpenFileName(const FileQuestion& question) {
    return ToPath(platform_.OpenFileName(DialogOf(question)));
}

std::filesystem::path PlatformDesk::SaveFileName(const FileQuestion& question) {
    return ToPath(platform_.SaveFileName(DialogOf(question)));
}

std::filesystem::path PlatformDesk::ChooseFolder(const std::filesystem::path& folder) {
    return ToPath(platform_.ChooseFolder(QString(), FromPath(folder)));
}

}  // namespace vork
