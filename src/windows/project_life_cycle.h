#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "windows/desk.h"

namespace vork {

class MainWindow;
class Project;

// The file dialogs of the life cycle. The save filter has two blanks in "Todos os  Arquivos".
constexpr std::string_view kSaveDialogTitle = "Salvar Como";
constexpr std::string_view kSaveFilter =
    "Arquivos de Simulação (*.smp)|*.smp|Todos os  Arquivos (*.*)|*.*";
constexpr std::string_view kOpenDialogTitle = "Abrir";
constexpr std::string_view kOpenFilter =
    "Arquivos de Simulação (*.smp)|*.smp|Todos os Arquivos (*.*)|*.*";

// What happens to a project as a whole: New, Open, Save (`Salvar1`), Save As, the example
// gallery and its examples, the current folder and closing. It keeps the start folder, the
// current folder and the save dialog's last folder and name, and sets the main window's menus
// and caption. Nothing unsaved is ever dropped without the user's word: when the user asked to
// save first and the save was cancelled or failed, the command does not go on.
class ProjectLifeCycle {
  public:
    ProjectLifeCycle(Project& project, MainWindow& main, Desk& desk,
                     std::filesystem::path startFolder);

    const std::filesystem::path& startFolder() const { return startFolder_; }
    // Chosen with "Pasta corrente..."; empty until chosen.
    const std::filesystem::path& currentFolder() const { return currentFolder_; }
    // Where the examples are looked for when the start folder holds none.
    void SetInstalledData(std::filesystem::path folder) { installedData_ = std::move(folder); }

    // Each returns false when it did not go through (cancelled, or a save or load failed).
    bool New();
    bool Open();
    // Opens `path` directly, as a file given to the program does.
    bool OpenFile(const std::filesystem::path& path);
    bool Save();
    bool SaveAs();
    // "Exemplos": an empty project and the gallery in place of the project menus.
    bool ShowGallery();
    // A gallery picture ("sim1" .. "sim19"): its example, saved only with Save As.
    bool OpenExample(std::string_view picture);
    // "Pasta corrente...": the folder the file dialogs start in from now on. Returns the folder
    // chosen, empty when cancelled; the program makes it its working folder.
    std::filesystem::path ChooseCurrentFolder();
    // Whether the main window may close: asks to save unsaved changes first.
    bool MayClose();

  private:
    // Asks `question` when the project is modified; false when the command must stop.
    bool SavePrompt(std::string_view question);
    bool SaveAsChosen(const std::filesystem::path& chosen);
    bool Write(const std::filesystem::path& path);
    bool Load(const std::filesystem::path& path);
    std::filesystem::path DialogFolder() const;
    FileQuestion SaveQuestion() const;
    // The project reset: a new project, with the comment panel shown or hidden.
    void Reset(bool showComments);

    Project& project_;
    MainWindow& main_;
    Desk& desk_;
    std::filesystem::path startFolder_;
    std::filesystem::path currentFolder_;
    std::filesystem::path installedData_;
    std::filesystem::path saveFolder_;  // the save dialog's last starting folder
    std::string saveName_;              // the name the save dialog proposes
};

}  // namespace vork
