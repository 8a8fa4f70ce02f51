#include "app/document.h"

#include <QTime>
#include <memory>

namespace vork {

namespace {

double TimeOfDayMs() {
    return QTime::currentTime().msecsSinceStartOfDay();
}

}  // namespace

ProjectDocument::ProjectDocument(QObject* parent) : QObject(parent), clock_(TimeOfDayMs) {
    qRegisterMetaType<vork::ObjectRef>();
    qRegisterMetaType<vork::ProgressKind>();
    timer_.setObjectName("Timer1");
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    project_.AddObserver(this);
    SyncTimer();
}

ProjectDocument::~ProjectDocument() {
    project_.RemoveObserver(this);
}

void ProjectDocument::SetRealTime(bool realTime) {
    realTime_ = realTime;
    SyncTimer();
}

void ProjectDocument::SetClock(Clock clock) {
    clock_ = std::move(clock);
}

ProjectDocument::Clock ProjectDocument::SteppingClock(double startMs, double stepMs) {
    auto now = std::make_shared<double>(startMs - stepMs);
    return [now, stepMs] { return *now += stepMs; };
}

bool ProjectDocument::Tick() {
    return project_.Tick(clock_());
}

void ProjectDocument::RunTicks(int n) {
    for (int i = 0; i < n; ++i)
        Tick();
}

void ProjectDocument::SyncTimer() {
    timer_.setInterval(project_.sim.scan.cycleMs);
    bool run = realTime_ && project_.sim.scan.timerEnabled;
    if (run && !timer_.isActive()) timer_.start();
    if (!run) timer_.stop();
}

void ProjectDocument::SavedChanged(bool saved) {
    Q_EMIT savedChanged(saved);
}

void ProjectDocument::FileNameChanged(const std::filesystem::path& name) {
    Q_EMIT fileNameChanged(QString::fromStdString(name.string()));
}

void ProjectDocument::ProjectReplaced() {
    SyncTimer();
    Q_EMIT projectReplaced();
}

void ProjectDocument::SlotFilled(ObjectRef ref) {
    Q_EMIT slotFilled(ref);
}

void ProjectDocument::SlotEmptied(ObjectRef ref) {
    Q_EMIT slotEmptied(ref);
}

void ProjectDocument::ObjectChanged(ObjectRef ref) {
    Q_EMIT objectChanged(ref);
}

void ProjectDocument::Ticked(bool displayRefreshed) {
    Q_EMIT ticked(displayRefreshed);
}

void ProjectDocument::Progress(ProgressKind kind, int percent) {
    Q_EMIT progress(kind, percent);
}

}  // namespace vork
