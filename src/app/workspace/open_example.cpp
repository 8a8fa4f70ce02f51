#include "app/workspace/open_example.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>

#include "app/app_context.h"
#include "app/workspace/tform1.h"
#include "windows/example_gallery.h"
#include "windows/main_window.h"

namespace vork {

namespace {

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

void ShowResult(AppContext& context, const FileResult& result) {
    for (const std::string& message : result.messages)
        context.platform.Message(QString::fromStdString(message));
    if (!result.ok()) context.platform.Message(QString::fromStdString(result.error));
}

}  // namespace

ExampleFolders ExampleFolders::AtStart() {
    QDir data(QCoreApplication::applicationDirPath());
    return {QDir::currentPath(), QDir::cleanPath(data.filePath("../share/vork"))};
}

void OfferToSave(AppContext& context) {
    if (context.project().saved()) return;
    bool english = context.language() == Language::English;
    if (!context.platform.Confirm(english ? "Save changes?" : "Salvar Alterações em Arquivo?"))
        return;
    QString name = context.platform.SaveFileName(
        {"Salvar Como", QString(), QString(),
         "Arquivos de Simulação (*.smp)|*.smp|Todos os  Arquivos (*.*)|*.*"});
    if (name.isEmpty()) return;
    FileResult written = context.project().Save(ToPath(name));
    if (!written.ok()) context.platform.Message(QString::fromStdString(written.error));
}

bool OpenExample(AppContext& context, const QString& picture, const ExampleFolders& folders) {
    OfferToSave(context);
    std::filesystem::path path =
        ExamplePath(picture.toStdString(), ToPath(folders.start), ToPath(folders.data));
    FileResult result = context.project().Load(path);
    ShowResult(context, result);
    context.main.menus.saveEntry = false;
    if (context.mainWindow) context.mainWindow->SyncMenus();
    return result.ok();
}

}  // namespace vork
