#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "fastsim/fast_run.h"
#include "plant/object_ref.h"
#include "plant/simulation.h"
#include "project/project_observer.h"
#include "project/simulation_file.h"
#include "project/simulation_records.h"
#include "workspace/workspace.h"

namespace vork {

// Whether an edit marks the project modified. The events that do are a fixed list (the fields of
// trend recorders and animated texts, the title, moving markers ...); operator actions on a
// running loop, such as a faceplate's setpoint or mode, do not.
enum class Modifies { No, Yes };

// One open project: the simulation with its objects, the synoptic workspace, and the project
// state that load and save keep (the current file name and the saved flag). Edits go through the
// project, which marks it modified where such an edit does and tells its observers.
class Project {
  public:
    Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    Simulation sim;
    Workspace workspace;

    const std::filesystem::path& fileName() const { return fileName_; }  // empty when new
    bool saved() const { return saved_; }

    // Observers are not owned; one must be removed before it is destroyed.
    void AddObserver(ProjectObserver* observer);
    void RemoveObserver(ProjectObserver* observer);

    // The interface language, chosen once at start-up. A new project's default texts follow it.
    void SetLanguage(Language language);

    // Empties the project: variables, every slot, the workspace, the signal generator and the
    // characterizer back to a new project's state; no file name, saved.
    void NewProject();

    // Reads a simulation file into a new project, with the scan timer stopped while it reads.
    // Success makes the file current and the project saved; a load that stops leaves a new
    // project and returns the reason. Either way the scan timer runs afterwards.
    FileResult Load(const std::filesystem::path& path);
    // The same from a file's bytes; `name` stands for the file name without extension.
    FileResult LoadBytes(std::string bytes, std::string_view name);

    // Writes the project atomically. Success makes `path` current and the project saved; a
    // failed save leaves both as they were.
    FileResult Save(const std::filesystem::path& path);
    // Save As with the name the user chose: it becomes the current file name; an empty title
    // takes the chosen name without its folder (extension as typed); a name with no point
    // anywhere in its path gets ".smp". Then writes as Save does.
    FileResult SaveAs(const std::filesystem::path& chosen);
    // The bytes Save writes.
    std::string FileBytes();

    // Creates a fresh object in an empty slot, as checking its box in the configuration window
    // does; a filled slot keeps its object. Refused (std::logic_error) while the plant steps.
    void Fill(ObjectRef ref);
    // Destroys the slot's object, as the workspace's delete mode does: its marker loses its
    // caption and is hidden and unchecked. Refused (std::logic_error) while the plant steps.
    void Empty(ObjectRef ref);

    // The object `ref` names, of type T (Controller, ProcessBlock, CalcBlock, TrendRecorder,
    // AnimatedText, SignalGenerator, Characterizer, XYRecorder or Workspace). Throws
    // std::logic_error when T is not the kind of `ref` or the slot is empty.
    template <class T>
    const T& Object(ObjectRef ref) const {
        return Found(Find<T>(*this, ref));
    }

    // Runs `edit` on the object `ref` names, marks the project modified when `marks` says so,
    // and tells the observers.
    template <class T, class F>
    void Edit(ObjectRef ref, F&& edit, Modifies marks) {
        edit(Found(Find<T>(*this, ref)));
        if (marks == Modifies::Yes) MarkModified();
        Notify([ref](ProjectObserver& o) { o.ObjectChanged(ref); });
    }

    // The update button of a controller, process block or calculation block, the apply of the
    // signal generator ("Atualiza") or of an animated text: returns the check messages in order.
    // A successful apply marks the project modified and refreshes the workspace markers; a
    // controller's configuration is applied whatever its checks find, and an animated text's
    // apply marks nothing (its field edits do).
    std::vector<std::string> Apply(ObjectRef ref);

    // The workspace refresh: the markers of the filled slots up to date with their objects.
    void WorkspaceRefresh();

    // The real-time tick at `nowMs` (milliseconds since midnight). Returns true when the display
    // refresh ran. The observers hear of every tick that ran, inside the step lock.
    bool Tick(double nowMs);

    // The fast simulation and the XY sweep, reporting their progress to the observers.
    RunOutcome RunFastSimulation(const RunInputs& inputs, LoopCurveSet& charts,
                                 ResultsTables& tables);
    void RunXYSweep();

    void MarkModified();
    void MarkSaved();

  private:
    template <class T, class Self>
    static auto* Find(Self& self, ObjectRef ref);
    template <class T>
    static T& Found(T* object) {
        if (!object) throw std::logic_error("no such object in the project");
        return *object;
    }

    void Notify(const std::function<void(ProjectObserver&)>& notify);
    // A new project's state, without telling anyone.
    void Clear();
    // Tells the observers of a new or loaded project.
    void Replaced(const std::filesystem::path& oldName, bool oldSaved);
    FileResult LoadWith(const std::function<FileResult()>& read, const std::filesystem::path& path);
    void SetFileName(const std::filesystem::path& name);
    void ReportProgress(ProgressKind kind, int percent);
    ProjectFrame Frame();

    std::filesystem::path fileName_;
    bool saved_ = true;
    std::vector<ProjectObserver*> observers_;
    SimulationRecords records_{sim};
};

template <class T, class Self>
auto* Project::Find(Self& self, ObjectRef ref) {
    auto slot = [ref](const auto& slots, ObjectKind kind) {
        return ref.kind == kind ? slots.Get(ref.slot) : nullptr;
    };
    auto single = [ref](auto* object, ObjectKind kind) {
        return ref == ObjectRef{kind} ? object : nullptr;
    };
    if constexpr (std::is_same_v<T, Controller>)
        return slot(self.sim.controllers, ObjectKind::Controller);
    else if constexpr (std::is_same_v<T, ProcessBlock>)
        return slot(self.sim.processes, ObjectKind::Process);
    else if constexpr (std::is_same_v<T, CalcBlock>)
        return slot(self.sim.calcs, ObjectKind::Calc);
    else if constexpr (std::is_same_v<T, TrendRecorder>)
        return slot(self.sim.recorders, ObjectKind::Recorder);
    else if constexpr (std::is_same_v<T, AnimatedText>)
        return slot(self.sim.texts, ObjectKind::Text);
    else if constexpr (std::is_same_v<T, SignalGenerator>)
        return single(&self.sim.generator(), ObjectKind::Generator);
    else if constexpr (std::is_same_v<T, Characterizer>)
        return single(&self.sim.characterizer(), ObjectKind::Characterizer);
    else if constexpr (std::is_same_v<T, XYRecorder>)
        return single(&self.sim.xy(), ObjectKind::XYRecorder);
    else {
        static_assert(std::is_same_v<T, Workspace>, "not an object of a project");
        return single(&self.workspace, ObjectKind::Workspace);
    }
}

}  // namespace vork
