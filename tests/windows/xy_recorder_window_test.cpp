#include "windows/xy_recorder_window.h"

#include <gtest/gtest.h>

#include "plant/controller.h"
#include "project/project.h"

namespace vork {
namespace {

TEST(XYRecorderWindow, PresetItemsInListOrder) {
    auto items = XYRecorderWindow::PresetItems();
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items[0], "Seleção Individual");
    EXPECT_EQ(items[1], "COxPV [Malha 1]");
    EXPECT_EQ(items[2], "COxMV [Malha 1]");
    EXPECT_EQ(items[20], "COxMV [Malha 10]");
}

TEST(XYRecorderWindow, PresetsNeedAnExistingController) {
    Project project;
    XYRecorderWindow window(project);
    window.ChooseAxis(XYAxis::X, 4);
    window.ChooseAxis(XYAxis::Y, 5);
    window.ChoosePreset(3);  // COxPV [Malha 2], controller 2 absent
    EXPECT_EQ(window.fields().ComboX, 4);
    EXPECT_EQ(window.fields().ComboY, 5);
    Controller& c = project.sim.controllers.Fill(2);
    c.fields.VariavelSelect = 21;  // M22
    window.ChoosePreset(3);
    EXPECT_EQ(window.fields().ComboX, 1);    // M02
    EXPECT_EQ(window.fields().ComboY, 21);   // M22
    window.ChoosePreset(4);                  // COxMV [Malha 2]
    EXPECT_EQ(window.fields().ComboY, 101);  // M102, actuator position of block 2
    window.ChoosePreset(21);                 // past the list: only the selection moves
    EXPECT_EQ(window.fields().ComboY, 101);
    window.DropDownAxis(XYAxis::Y);
    EXPECT_EQ(window.fields().Presets, 0);
    EXPECT_EQ(window.fields().ComboY, 0);
}

TEST(XYRecorderWindow, RegisterWaitsForBothAxes) {
    Project project;
    XYRecorderWindow window(project);
    EXPECT_TRUE(window.registerEnabled);
    project.sim.controllers.Fill(1).fields.VariavelSelect = -1;  // no measured variable
    window.ChoosePreset(1);
    EXPECT_FALSE(window.registerEnabled);
    window.ChooseAxis(XYAxis::X, 2);
    EXPECT_FALSE(window.registerEnabled);
    window.ChooseAxis(XYAxis::Y, 20);
    EXPECT_TRUE(window.registerEnabled);
}

TEST(XYRecorderWindow, RegisterSweepsAndShowsItsProgress) {
    Project project;
    XYRecorderWindow window(project);
    window.ChooseWindow(0);
    window.Register();
    EXPECT_EQ(window.points().size(), 6000u);
    EXPECT_EQ(window.gauge, 100);
    EXPECT_TRUE(project.saved());
    window.Clear();
    EXPECT_TRUE(window.points().empty());
}

TEST(XYRecorderWindow, ScaleAndZoom) {
    Project project;
    XYRecorderWindow window(project);
    EXPECT_FALSE(window.fixedScale);
    EXPECT_FALSE(window.zoomEnabled);
    window.ApplyFixedScale();
    window.EnableZoom();
    EXPECT_TRUE(window.fixedScale);
    EXPECT_TRUE(window.zoomEnabled);
    window.UndoZoom();
    EXPECT_FALSE(window.fixedScale);
}

TEST(XYRecorderWindow, TextsFollowTheInterfaceLanguage) {
    Project project;
    XYRecorderWindow window(project);
    project.sim.language = Language::English;
    EXPECT_EQ(window.textLanguage(), Language::English);
    EXPECT_EQ(EnglishTextIn(kXYRecorderWindowTexts, "Button1"), "Register");
    EXPECT_EQ(EnglishTextIn(kXYRecorderWindowTexts, "hint:SpeedButton2"), "Undo zoom");
    EXPECT_EQ(EnglishTextIn(kXYRecorderWindowTexts, "Label2"), "");  // stays Portuguese
}

}  // namespace
}  // namespace vork
