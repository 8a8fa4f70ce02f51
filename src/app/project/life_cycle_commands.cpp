#include "app/project/life_cycle_commands.h"

#include <QDir>

#include "app/project/language_switch.h"
#include "app/project/platform_desk.h"
#include "app/project/tdialogos.h"
#include "app/window_registry.h"
#include "app/workspace/tform1.h"
#include "windows/language_preference.h"
#include "windows/project_life_cycle.h"

namespace vork {

namespace {

void ShowGallery(AppContext& c) {
    c.main.menus = {.projectEntries = false, .saveEntry = false, .gallery = true};
    c.windows.Trigger(kGalleryCommand);
    if (c.mainWindow) c.mainWindow->SyncMenus();
}

void LanguageChosen(AppContext& c, Language chosen) {
    PlatformDesk desk(c.platform);
    ChooseLanguage(c.lifeCycle->startFolder(), c.language(), chosen, desk);
}

// The folder chosen becomes the working folder; a folder that does not exist is left alone.
void ChooseCurrentFolder(AppContext& c) {
    c.lifeCycle->ChooseCurrentFolder();
    const std::filesystem::path& folder = c.lifeCycle->currentFolder();
    if (!folder.empty()) QDir::setCurrent(QString::fromStdString(folder.string()));
}

void RefreshVariableList(AppContext& c) {
    if (auto* list = static_cast<TDialogos*>(c.windows.Window(PermanentWindow::VariableList)))
        list->Refresh();
}

}  // namespace

void RegisterLifeCycle(WindowRegistry& registry) {
    registry.Command("Novo1", [](AppContext& c) { c.lifeCycle->New(); });
    registry.Command("Abrir1", [](AppContext& c) { c.lifeCycle->Open(); });
    registry.Command("Salvar1", [](AppContext& c) { c.lifeCycle->Save(); });
    registry.Command("SalvarComo1", [](AppContext& c) { c.lifeCycle->SaveAs(); });
    registry.Command("Exemplos1", [](AppContext& c) {
        if (c.lifeCycle->ShowGallery()) ShowGallery(c);
    });
    registry.Command("Pastacorrente1", ChooseCurrentFolder);
    registry.Command("Portuguese1", [](AppContext& c) { LanguageChosen(c, Language::Portuguese); });
    registry.Command("English1", [](AppContext& c) { LanguageChosen(c, Language::English); });
    registry.BeforeClose([](AppContext& c) { return c.lifeCycle->MayClose(); });
}

bool OpenExample(AppContext& context, const QString& picture) {
    bool opened = context.lifeCycle->OpenExample(picture.toStdString());
    if (context.mainWindow) context.mainWindow->SyncMenus();
    return opened;
}

void FinishStartUp(AppContext& context) {
    PlatformDesk desk(context.platform);
    Language language = StartupLanguage(context.lifeCycle->startFolder(), desk);
    SwitchLanguage(context, language);
    RefreshVariableList(context);
    ShowGallery(context);
}

}  // namespace vork
