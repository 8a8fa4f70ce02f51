#include "project/project.h"

#include "plant/characterizer.h"
#include "plant/signal_generator.h"
#include "project/workspace_refresh.h"

namespace vork {

Project::Project() {
    NewProject();
}

void Project::NewProject() {
    sim.vars.ResetNewProject();
    sim.generator() = SignalGenerator();
    sim.EmptyAllSlots();
    workspace.Reset();
    sim.characterizer() = Characterizer();
    fileName.clear();
    MarkSaved();
}

ProjectFrame Project::Frame() {
    return {workspace, sim.vars, sim.characterizer().fields, records_, sim.language,
            progress,  nullptr};
}

// The reader relies on a new project's state, so every load starts from one, and a load that
// stops midway does not leave half a project behind.
FileResult Project::Load(const std::filesystem::path& path) {
    sim.scan.timerEnabled = false;
    NewProject();
    return Finish(LoadSimulationFile(path, Frame()), path);
}

FileResult Project::LoadBytes(std::string bytes, std::string_view name) {
    sim.scan.timerEnabled = false;
    NewProject();
    return Finish(ReadSimulationBytes(std::move(bytes), name, Frame()), {});
}

FileResult Project::Finish(FileResult result, const std::filesystem::path& path) {
    if (result.ok()) {
        RefreshWorkspace(workspace, sim);
        fileName = path;
        MarkSaved();
    } else {
        NewProject();
    }
    sim.scan.timerEnabled = true;
    return result;
}

FileResult Project::Save(const std::filesystem::path& path) {
    FileResult result = SaveSimulationFile(path, Frame());
    if (result.ok()) {
        RefreshWorkspace(workspace, sim);
        fileName = path;
        MarkSaved();
    }
    return result;
}

FileResult Project::SaveAs(const std::filesystem::path& chosen) {
    if (workspace.Titulo.empty()) workspace.Titulo = chosen.filename().string();
    std::filesystem::path target = chosen;
    if (chosen.string().find('.') == std::string::npos) target += ".smp";
    // A failed write leaves the chosen name current, so Save tries it again.
    fileName = target;
    return Save(target);
}

std::string Project::FileBytes() {
    LineWriter out;
    WriteFrame(Frame(), out);
    return out.Bytes();
}

}  // namespace vork
