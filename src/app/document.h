#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "project/project.h"

Q_DECLARE_METATYPE(vork::ObjectRef)
Q_DECLARE_METATYPE(vork::ProgressKind)

namespace vork {

// The open project as the windows see it: owns the core's Project and the scan timer `Timer1`,
// runs the tick, and turns the project's notifications into Qt signals. Every window edits
// through project() and repaints on these signals.
class ProjectDocument : public QObject, private ProjectObserver {
    Q_OBJECT

  public:
    // The time of day in milliseconds since midnight.
    using Clock = std::function<double()>;

    explicit ProjectDocument(QObject* parent = nullptr);
    ~ProjectDocument() override;

    Project& project() { return project_; }
    const Project& project() const { return project_; }
    QTimer& timer() { return timer_; }

    // Whether `Timer1` runs on real time. Off, ticks happen only through Tick and RunTicks (tests,
    // screenshots, benchmarks).
    void SetRealTime(bool realTime);
    // The clock the ticks measure their cycle with; the time of day by default.
    void SetClock(Clock clock);
    // A clock that advances `stepMs` at every reading, from `startMs`: ticks without real time.
    static Clock SteppingClock(double startMs, double stepMs);

    // One scan tick now (what `Timer1Timer` does); false when the scan is paused or stopped.
    bool Tick();
    // N scan ticks one after the other.
    void RunTicks(int n);
    // `Timer1` runs while the scan is enabled and real time is on, at the execution cycle.
    void SyncTimer();

  Q_SIGNALS:
    void ticked(bool displayRefreshed);
    void savedChanged(bool saved);
    void fileNameChanged(const QString& name);
    void projectReplaced();
    void slotFilled(vork::ObjectRef ref);
    void slotEmptied(vork::ObjectRef ref);
    void objectChanged(vork::ObjectRef ref);
    void progress(vork::ProgressKind kind, int percent);

  private:
    void SavedChanged(bool saved) override;
    void FileNameChanged(const std::filesystem::path& name) override;
    void ProjectReplaced() override;
    void SlotFilled(ObjectRef ref) override;
    void SlotEmptied(ObjectRef ref) override;
    void ObjectChanged(ObjectRef ref) override;
    void Ticked(bool displayRefreshed) override;
    void Progress(ProgressKind kind, int percent) override;

    Project project_;
    QTimer timer_;
    Clock clock_;
    bool realTime_ = true;
};

}  // namespace vork
