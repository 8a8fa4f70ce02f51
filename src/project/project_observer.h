#pragma once

#include <filesystem>

#include "plant/object_ref.h"

namespace vork {

// The long operations that report progress.
enum class ProgressKind { Load, FastSimulation, XYSweep };

// What a view of a project hears. Every notification comes after the change it reports.
class ProjectObserver {
  public:
    virtual ~ProjectObserver() = default;

    virtual void SavedChanged(bool /*saved*/) {}
    virtual void FileNameChanged(const std::filesystem::path& /*name*/) {}
    // After a new project and after a load, whether the load succeeded or not.
    virtual void ProjectReplaced() {}
    virtual void SlotFilled(ObjectRef /*ref*/) {}
    // The slot is already empty and its object gone.
    virtual void SlotEmptied(ObjectRef /*ref*/) {}
    // An edit or an apply through the project.
    virtual void ObjectChanged(ObjectRef /*ref*/) {}
    // After each real-time tick that ran; `displayRefreshed` on every sixth.
    virtual void Ticked(bool /*displayRefreshed*/) {}
    // Percent done, 0 .. 100, once per new value.
    virtual void Progress(ProgressKind /*kind*/, int /*percent*/) {}
};

}  // namespace vork
