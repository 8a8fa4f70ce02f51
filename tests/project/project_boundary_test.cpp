#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "plant/xy_recorder.h"
#include "rich_project.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

using testing::BuildRichProject;

constexpr ObjectRef kController1{ObjectKind::Controller, 1};
constexpr ObjectRef kController3{ObjectKind::Controller, 3};
constexpr ObjectRef kProcess1{ObjectKind::Process, 1};
constexpr ObjectRef kCalc1{ObjectKind::Calc, 1};
constexpr ObjectRef kRecorder2{ObjectKind::Recorder, 2};
constexpr ObjectRef kText10{ObjectKind::Text, 10};
constexpr ObjectRef kGenerator{ObjectKind::Generator};
constexpr ObjectRef kWorkspace{ObjectKind::Workspace};

std::string Name(ObjectRef ref) {
    return std::to_string(static_cast<int>(ref.kind)) + ":" + std::to_string(ref.slot);
}

// Writes down what it hears, one line per notification.
struct Log : ProjectObserver {
    void SavedChanged(bool saved) override { lines.push_back(saved ? "saved" : "modified"); }
    void FileNameChanged(const std::filesystem::path& name) override {
        lines.push_back("name " + name.filename().string());
    }
    void ProjectReplaced() override { lines.push_back("replaced"); }
    void SlotFilled(ObjectRef ref) override { lines.push_back("filled " + Name(ref)); }
    void SlotEmptied(ObjectRef ref) override { lines.push_back("emptied " + Name(ref)); }
    void ObjectChanged(ObjectRef ref) override { lines.push_back("changed " + Name(ref)); }
    void Ticked(bool refreshed) override { ticks.push_back(refreshed); }
    void Progress(ProgressKind kind, int percent) override {
        progress[static_cast<size_t>(kind)].push_back(percent);
    }

    std::vector<std::string> lines;
    std::vector<bool> ticks;
    std::vector<int> progress[3];
};

// The rich project, loaded from its bytes: saved, with a file's worth of objects.
class ProjectBoundary : public ::testing::Test {
  protected:
    void SetUp() override {
        Project source;
        BuildRichProject(source);
        bytes = source.FileBytes();
        ASSERT_TRUE(p.LoadBytes(bytes, "rica").ok());
        ASSERT_TRUE(p.saved());
    }

    Project p;
    std::string bytes;
};

struct ModifyCase {
    const char* what;
    std::function<void(Project&, const std::string& bytes)> act;
    bool modifies;
};

void Ticks(Project& p, int n) {
    for (int tick = 1; tick <= n; ++tick)
        p.Tick(tick * 100.0);
}

template <class T>
std::function<void(Project&, const std::string&)> EditThen(ObjectRef ref,
                                                           std::function<void(T&)> edit) {
    return [=](Project& p, const std::string&) {
        p.Edit<T>(ref, edit, Modifies::No);
        p.Apply(ref);
    };
}

const ModifyCase kModifyCases[] = {
    {"a load", [](Project& p, const std::string& b) { p.LoadBytes(b, "rica"); }, false},
    {"a save",
     [](Project& p, const std::string&) {
         test::TempFolder folder;
         p.Save(folder.File("rica.smp"));
     },
     false},
    {"twelve ticks", [](Project& p, const std::string&) { Ticks(p, 12); }, false},
    {"a fast simulation with a set-point step",
     [](Project& p, const std::string&) {
         LoopCurveSet charts;
         ResultsTables tables;
         RunInputs in;
         in.signal = TestSignal::SetpointStep;
         p.RunFastSimulation(in, charts, tables);
     },
     false},
    {"an XY sweep", [](Project& p, const std::string&) { p.RunXYSweep(); }, false},
    {"filling a slot",
     [](Project& p, const std::string&) {
         p.Fill({ObjectKind::Calc, 5});
     },
     false},
    {"emptying a slot", [](Project& p, const std::string&) { p.Empty(kController3); }, false},
    {"an operator action on a faceplate",
     [](Project& p, const std::string&) {
         p.Edit<Controller>(
             kController1, [](Controller& c) { c.ToggleAutoManual(); }, Modifies::No);
     },
     false},
    {"a process apply that fails",
     EditThen<ProcessBlock>(kProcess1, [](ProcessBlock& b) { b.fields.GanhoText = "ganho"; }),
     false},
    {"a calculation apply that fails",
     EditThen<CalcBlock>(kCalc1, [](CalcBlock& c) { c.fields.FuncaoTr = "M21>abc"; }), false},
    {"an animated text apply", [](Project& p, const std::string&) { p.Apply(kText10); }, false},
    {"a controller apply, whatever its checks find",
     EditThen<Controller>(kController1, [](Controller& c) { c.fields.KiText = "dez"; }), true},
    {"a process apply",
     EditThen<ProcessBlock>(kProcess1, [](ProcessBlock& b) { b.fields.GanhoText = "2"; }), true},
    {"a calculation apply",
     EditThen<CalcBlock>(kCalc1, [](CalcBlock& c) { c.fields.FuncaoTr = "M21*3"; }), true},
    {"the generator's apply", [](Project& p, const std::string&) { p.Apply(kGenerator); }, true},
    {"a trend recorder's tag",
     [](Project& p, const std::string&) {
         p.Edit<TrendRecorder>(
             kRecorder2, [](TrendRecorder& r) { r.fields.TagText = "TR-9"; }, Modifies::Yes);
     },
     true},
    {"the title",
     [](Project& p, const std::string&) {
         p.Edit<Workspace>(
             kWorkspace, [](Workspace& w) { w.Titulo = "Caldeira"; }, Modifies::Yes);
     },
     true},
};

TEST_F(ProjectBoundary, WhatMarksTheProjectModified) {
    for (const ModifyCase& c : kModifyCases) {
        Project fresh;
        ASSERT_TRUE(fresh.LoadBytes(bytes, "rica").ok());
        c.act(fresh, bytes);
        EXPECT_EQ(!fresh.saved(), c.modifies) << c.what;
    }
}

TEST_F(ProjectBoundary, LoadNewAndSaveMarkSaved) {
    p.MarkModified();
    ASSERT_TRUE(p.LoadBytes(bytes, "rica").ok());
    EXPECT_TRUE(p.saved());
    p.MarkModified();
    EXPECT_FALSE(p.LoadBytes("nonsense", "x").ok());
    EXPECT_TRUE(p.saved());
    p.MarkModified();
    p.NewProject();
    EXPECT_TRUE(p.saved());
    test::TempFolder folder;
    p.MarkModified();
    ASSERT_TRUE(p.Save(folder.File("nova.smp")).ok());
    EXPECT_TRUE(p.saved());
}

TEST_F(ProjectBoundary, ATickCallbackCannotEmptyASlot) {
    struct Deleter : ProjectObserver {
        explicit Deleter(Project& p) : p(p) {}
        void Ticked(bool) override {
            EXPECT_THROW(p.Empty(kController1), std::logic_error);
            EXPECT_THROW(p.Fill({ObjectKind::Controller, 2}), std::logic_error);
            ++ticks;
        }
        Project& p;
        int ticks = 0;
    } deleter(p);
    p.AddObserver(&deleter);
    Ticks(p, 2);
    EXPECT_EQ(deleter.ticks, 2);
    EXPECT_TRUE(p.sim.controllers.Exists(1));
    EXPECT_FALSE(p.sim.controllers.Exists(2));
    p.RemoveObserver(&deleter);
    p.Empty(kController1);
    EXPECT_FALSE(p.sim.controllers.Exists(1));
}

TEST_F(ProjectBoundary, ObserversHearEachChangeOnceAndAfterIt) {
    Log log;
    p.AddObserver(&log);
    p.Fill({ObjectKind::Recorder, 4});
    p.Fill({ObjectKind::Recorder, 4});  // already filled: nothing happens
    EXPECT_TRUE(p.sim.recorders.Exists(4));
    p.Edit<TrendRecorder>(
        kRecorder2, [](TrendRecorder& r) { r.fields.TagText = "X"; }, Modifies::Yes);
    p.MarkModified();
    p.Empty(kController3);
    p.Empty(kController3);  // already empty
    test::TempFolder folder;
    ASSERT_TRUE(p.Save(folder.File("rica.smp")).ok());
    p.NewProject();
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"filled 3:4", "modified", "changed 3:2", "emptied 0:3",
                                        "name rica.smp", "saved", "replaced", "name "}));
    p.RemoveObserver(&log);
    p.MarkModified();
    EXPECT_EQ(log.lines.size(), 8u);
}

TEST_F(ProjectBoundary, EmptyingHidesAndUnchecksTheMarker) {
    ASSERT_TRUE(p.workspace.controllers[2].visible);
    p.Empty(kController3);
    const ObjectMarker& marker = p.workspace.controllers[2];
    EXPECT_FALSE(marker.visible);
    EXPECT_FALSE(marker.checked);
    EXPECT_EQ(marker.caption, "");
    p.Empty(kText10);
    EXPECT_FALSE(p.workspace.texts[9].visible);
    EXPECT_FALSE(p.workspace.texts[9].labelVisible);
    EXPECT_EQ(p.workspace.texts[9].labelCaption, "");
}

TEST_F(ProjectBoundary, TicksAndProgressReachTheObservers) {
    Log log;
    p.AddObserver(&log);
    Ticks(p, 6);
    p.sim.scan.TogglePause();
    Ticks(p, 1);  // paused: no tick ran
    EXPECT_EQ(log.ticks, (std::vector<bool>{false, false, false, false, false, true}));
    p.sim.scan.TogglePause();

    ASSERT_TRUE(p.LoadBytes(bytes, "rica").ok());
    EXPECT_EQ(log.progress[0], (std::vector<int>{5, 10, 25, 45, 60, 70, 85, 90, 95, 100}));
    LoopCurveSet charts;
    ResultsTables tables;
    p.RunFastSimulation({}, charts, tables);
    p.RunXYSweep();
    std::vector<int> zeroToHundred;
    for (int percent = 0; percent <= 100; ++percent)
        zeroToHundred.push_back(percent);
    EXPECT_EQ(log.progress[1], zeroToHundred);
    EXPECT_EQ(log.progress[2], zeroToHundred);
    p.RemoveObserver(&log);
}

TEST_F(ProjectBoundary, ReferencesNameOneObjectOfTheirKind) {
    EXPECT_EQ(p.Object<Controller>(kController1).fields.TagText, "FIC-1");
    EXPECT_THROW(p.Object<Controller>(kProcess1), std::logic_error);
    EXPECT_THROW(p.Object<Controller>({ObjectKind::Controller, 2}), std::logic_error);
    EXPECT_THROW(p.Object<SignalGenerator>({ObjectKind::Generator, 1}), std::logic_error);
    EXPECT_NO_THROW(p.Object<XYRecorder>({ObjectKind::XYRecorder}));
    EXPECT_THROW(p.Fill(kGenerator), std::logic_error);
    EXPECT_THROW(p.Empty(kWorkspace), std::logic_error);
    EXPECT_THROW(p.Apply(kRecorder2), std::logic_error);
    EXPECT_THROW(p.Edit<CalcBlock>(
                     kProcess1, [](CalcBlock&) {}, Modifies::Yes),
                 std::logic_error);
    EXPECT_TRUE(p.saved()) << "a refused edit marks nothing";
}

}  // namespace
}  // namespace vork
