#include "project/project.h"

#include <algorithm>

#include "plant/characterizer.h"
#include "plant/offline_run.h"
#include "plant/signal_generator.h"
#include "project/workspace_refresh.h"

namespace vork {

Project::Project() {
    Clear();
}

void Project::AddObserver(ProjectObserver* observer) {
    observers_.push_back(observer);
}

void Project::RemoveObserver(ProjectObserver* observer) {
    std::erase(observers_, observer);
}

// An observer may remove itself, or another, while it is told.
void Project::Notify(const std::function<void(ProjectObserver&)>& notify) {
    std::vector<ProjectObserver*> current = observers_;
    for (ProjectObserver* observer : current)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            notify(*observer);
}

void Project::Clear() {
    sim.vars.ResetNewProject();
    sim.generator() = SignalGenerator();
    sim.EmptyAllSlots();
    workspace.Reset(sim.language);
    sim.characterizer() = Characterizer();
    fileName_.clear();
    saved_ = true;
}

void Project::Replaced(const std::filesystem::path& oldName, bool oldSaved) {
    Notify([](ProjectObserver& o) { o.ProjectReplaced(); });
    if (fileName_ != oldName) Notify([this](ProjectObserver& o) { o.FileNameChanged(fileName_); });
    if (saved_ != oldSaved) Notify([this](ProjectObserver& o) { o.SavedChanged(saved_); });
}

void Project::SetLanguage(Language language) {
    sim.language = language;
    workspace.commandPanel.SetDefaultTexts(language);
}

void Project::NewProject() {
    std::filesystem::path oldName = fileName_;
    bool oldSaved = saved_;
    Clear();
    Replaced(oldName, oldSaved);
}

ProjectFrame Project::Frame() {
    return {workspace,
            sim.vars,
            sim.characterizer().fields,
            records_,
            sim.language,
            [this](int percent) { ReportProgress(ProgressKind::Load, percent); },
            nullptr};
}

FileResult Project::Load(const std::filesystem::path& path) {
    return LoadWith([&] { return LoadSimulationFile(path, Frame()); }, path);
}

FileResult Project::LoadBytes(std::string bytes, std::string_view name) {
    return LoadWith([&] { return ReadSimulationBytes(std::move(bytes), name, Frame()); }, {});
}

// The reader relies on a new project's state, so every load starts from one, and a load that
// stops midway does not leave half a project behind.
FileResult Project::LoadWith(const std::function<FileResult()>& read,
                             const std::filesystem::path& path) {
    std::filesystem::path oldName = fileName_;
    bool oldSaved = saved_;
    FileResult result;
    {
        OfflineRun run(sim, sim.dt, SlotAccess::Open);
        Clear();
        result = read();
        if (result.ok()) {
            RefreshWorkspace(workspace, sim);
            fileName_ = path;
        } else {
            Clear();
        }
    }
    // The scan timer runs after a load, whatever it was before.
    sim.scan.timerEnabled = true;
    Replaced(oldName, oldSaved);
    return result;
}

FileResult Project::Save(const std::filesystem::path& path) {
    FileResult result = SaveSimulationFile(path, Frame());
    if (result.ok()) {
        RefreshWorkspace(workspace, sim);
        SetFileName(path);
        MarkSaved();
    }
    return result;
}

FileResult Project::SaveAs(const std::filesystem::path& chosen) {
    if (workspace.Titulo.empty()) {
        workspace.Titulo = chosen.filename().string();
        Notify([](ProjectObserver& o) { o.ObjectChanged({ObjectKind::Workspace}); });
    }
    std::filesystem::path target = chosen;
    if (chosen.string().find('.') == std::string::npos) target += ".smp";
    // A failed write leaves the chosen name current, so Save tries it again.
    SetFileName(target);
    return Save(target);
}

std::string Project::FileBytes() {
    LineWriter out;
    WriteFrame(Frame(), out);
    return out.Bytes();
}

void Project::SetFileName(const std::filesystem::path& name) {
    if (name == fileName_) return;
    fileName_ = name;
    Notify([this](ProjectObserver& o) { o.FileNameChanged(fileName_); });
}

void Project::MarkModified() {
    if (!saved_) return;
    saved_ = false;
    Notify([](ProjectObserver& o) { o.SavedChanged(false); });
}

void Project::MarkSaved() {
    if (saved_) return;
    saved_ = true;
    Notify([](ProjectObserver& o) { o.SavedChanged(true); });
}

void Project::ReportProgress(ProgressKind kind, int percent) {
    Notify([=](ProjectObserver& o) { o.Progress(kind, percent); });
}

}  // namespace vork
