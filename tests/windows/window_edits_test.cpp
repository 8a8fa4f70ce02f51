#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "project/project.h"
#include "windows/animated_text_window.h"
#include "windows/calc_block_window.h"
#include "windows/generator_window.h"
#include "windows/xy_recorder_window.h"

namespace vork {
namespace {

struct Heard : ProjectObserver {
    void ObjectChanged(ObjectRef ref) override { changed.push_back(ref); }
    std::vector<ObjectRef> changed;
};

struct Case {
    const char* what;
    std::function<void()> act;
    ObjectRef ref;
    bool marksModified;
};

// Every operation of these windows changes the plant through the project, which tells its
// observers; only the events of the fixed list mark the project modified.
TEST(WindowEdits, GoThroughTheProjectAndMarkOnlyWhatTheListSays) {
    const ObjectRef calcRef{ObjectKind::Calc, 1}, textRef{ObjectKind::Text, 1};
    Project project;
    project.Fill(calcRef);
    project.Fill(textRef);
    CalcBlockWindow calc(project, 1);
    GeneratorWindow generator(project);
    AnimatedTextWindow text(project, 1);
    XYRecorderWindow xy(project);
    const ObjectRef generatorRef{ObjectKind::Generator}, xyRef{ObjectKind::XYRecorder};

    std::vector<Case> cases = {
        {"calc edit", [&] { calc.Edit([](CalcBlockFields& f) { f.FuncaoTr = "1"; }); }, calcRef,
         false},
        {"calc apply", [&] { calc.Apply(); }, calcRef, true},
        {"calc activation", [&] { calc.Activate(Language::English); }, calcRef, false},
        {"generator key",
         [&] { generator.Edit(1, [](GeneratorChannelFields& f) { f.Valor = "5"; }); }, generatorRef,
         false},
        {"generator type", [&] { generator.ChangeType(2, 5); }, generatorRef, false},
        {"generator enter", [&] { generator.EnterPressed(); }, generatorRef, false},
        {"generator arrows", [&] { generator.ArrowClicked(1, 7); }, generatorRef, false},
        {"generator radio", [&] { generator.RadioClicked(11, 1); }, generatorRef, false},
        {"generator Atualiza", [&] { generator.Apply(); }, generatorRef, true},
        {"generator closed", [&] { generator.Close(); }, generatorRef, true},
        {"text unit", [&] { text.Edit([](AnimatedTextFields& f) { f.Unidade = "kg"; }); }, textRef,
         true},
        {"text span", [&] { text.SetSpanMax("80"); }, textRef, true},
        {"text type", [&] { text.ChooseType(2); }, textRef, true},
        {"text variable", [&] { text.ChooseVariable(20); }, textRef, true},
        {"text decimals", [&] { text.SetDecimals(3); }, textRef, false},
        {"text left", [&] { text.Leave(); }, textRef, false},
        {"xy axis", [&] { xy.ChooseAxis(XYAxis::X, 3); }, xyRef, false},
        {"xy preset", [&] { xy.ChoosePreset(0); }, xyRef, false},
        {"xy window", [&] { xy.ChooseWindow(1); }, xyRef, false},
        {"xy cleared", [&] { xy.Clear(); }, xyRef, false},
    };
    Heard heard;
    project.AddObserver(&heard);
    for (const Case& c : cases) {
        project.MarkSaved();
        heard.changed.clear();
        c.act();
        ASSERT_FALSE(heard.changed.empty()) << c.what;
        EXPECT_TRUE(heard.changed.back() == c.ref) << c.what;
        EXPECT_EQ(!project.saved(), c.marksModified) << c.what;
    }
    project.RemoveObserver(&heard);
}

}  // namespace
}  // namespace vork
