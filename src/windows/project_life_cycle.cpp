#include "windows/project_life_cycle.h"

#include <system_error>

#include "project/life_cycle_texts.h"
#include "project/project.h"
#include "windows/example_files.h"
#include "windows/main_window.h"

namespace vork {

namespace {

constexpr ObjectRef kWorkspace{ObjectKind::Workspace};

std::string_view FileNotFound(Language language) {
    return language == Language::English ? "File not found" : "Arquivo não encontrado";
}

}  // namespace

ProjectLifeCycle::ProjectLifeCycle(Project& project, MainWindow& main, Desk& desk,
                                   std::filesystem::path startFolder)
    : project_(project),
      main_(main),
      desk_(desk),
      startFolder_(std::move(startFolder)),
      saveFolder_(startFolder_) {}

std::filesystem::path ProjectLifeCycle::DialogFolder() const {
    return currentFolder_.empty() ? startFolder_ : currentFolder_;
}

FileQuestion ProjectLifeCycle::SaveQuestion() const {
    return {std::string(kSaveDialogTitle), saveFolder_, saveName_, std::string(kSaveFilter)};
}

bool ProjectLifeCycle::Write(const std::filesystem::path& path) {
    FileResult result = project_.Save(path);
    if (!result.ok()) {
        desk_.Message(result.error);
        return false;
    }
    saveName_ = path.string();
    return true;
}

bool ProjectLifeCycle::SavePrompt(std::string_view question) {
    if (project_.saved()) return true;
    if (!desk_.Confirm(std::string(question))) return true;
    // The name is used as typed: no extension added, the title left alone.
    std::filesystem::path chosen = desk_.SaveFileName(SaveQuestion());
    return !chosen.empty() && Write(chosen);
}

void ProjectLifeCycle::Reset(bool showComments) {
    project_.NewProject();
    main_.ProjectReplaced();
    project_.Edit<Workspace>(
        kWorkspace, [&](Workspace& ws) { ws.showComments = showComments; }, Modifies::No);
}

bool ProjectLifeCycle::New() {
    if (!SavePrompt(SavePromptText(project_.sim.language))) return false;
    Reset(true);
    main_.menus.saveEntry = true;
    return true;
}

bool ProjectLifeCycle::Load(const std::filesystem::path& path) {
    FileResult result = project_.Load(path);
    main_.ProjectReplaced();
    for (const std::string& message : result.messages)
        desk_.Message(message);
    if (!result.ok()) desk_.Message(result.error);
    return result.ok();
}

bool ProjectLifeCycle::Open() {
    saveFolder_ = DialogFolder();
    if (!SavePrompt(SavePromptText(project_.sim.language))) return false;
    std::filesystem::path chosen = desk_.OpenFileName(
        {std::string(kOpenDialogTitle), DialogFolder(), {}, std::string(kOpenFilter)});
    if (chosen.empty()) return false;
    saveName_ = chosen.string();
    return Load(chosen);
}

bool ProjectLifeCycle::OpenFile(const std::filesystem::path& path) {
    saveName_ = path.string();
    return Load(path);
}

bool ProjectLifeCycle::SaveAsChosen(const std::filesystem::path& chosen) {
    if (project_.workspace.Titulo.empty()) main_.SetCaption(chosen.filename().string());
    FileResult result = project_.SaveAs(chosen);
    if (!result.ok()) {
        desk_.Message(result.error);
        return false;
    }
    saveName_ = project_.fileName().string();
    return true;
}

bool ProjectLifeCycle::SaveAs() {
    saveFolder_ = DialogFolder();
    std::filesystem::path chosen = desk_.SaveFileName(SaveQuestion());
    return !chosen.empty() && SaveAsChosen(chosen);
}

bool ProjectLifeCycle::Save() {
    if (!project_.fileName().empty()) return Write(project_.fileName());
    std::filesystem::path chosen = desk_.SaveFileName(SaveQuestion());
    if (chosen.empty()) return false;
    main_.menus.saveEntry = true;
    return SaveAsChosen(chosen);
}

bool ProjectLifeCycle::ShowGallery() {
    if (!SavePrompt(SavePromptText(project_.sim.language))) return false;
    Reset(false);
    main_.menus = {.projectEntries = false, .saveEntry = false, .gallery = true};
    return true;
}

bool ProjectLifeCycle::OpenExample(std::string_view picture) {
    std::optional<std::filesystem::path> file = ExampleFile(picture);
    if (!file) return false;
    if (!SavePrompt(SavePromptText(project_.sim.language))) return false;
    main_.menus.saveEntry = false;
    std::filesystem::path path = ExamplesRoot(startFolder_, installedData_) / *file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        desk_.Message(std::string(FileNotFound(project_.sim.language)));
        return false;
    }
    saveName_ = path.string();
    return Load(path);
}

std::filesystem::path ProjectLifeCycle::ChooseCurrentFolder() {
    std::filesystem::path chosen = desk_.ChooseFolder(startFolder_);
    if (!chosen.empty()) currentFolder_ = chosen;
    return chosen;
}

bool ProjectLifeCycle::MayClose() {
    return SavePrompt(kClosePromptText);
}

}  // namespace vork
