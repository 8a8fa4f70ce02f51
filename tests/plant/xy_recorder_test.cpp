#include "plant/xy_recorder.h"

#include <gtest/gtest.h>

#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork {
namespace {

TEST(XYRecorder, PresetItemsInListOrder) {
    auto items = XYRecorder::PresetItems();
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items[0], "Seleção Individual");
    EXPECT_EQ(items[1], "COxPV [Malha 1]");
    EXPECT_EQ(items[2], "COxMV [Malha 1]");
    EXPECT_EQ(items[20], "COxMV [Malha 10]");
}

TEST(XYRecorder, PresetsNeedAnExistingController) {
    Simulation sim;
    XYRecorder& xy = sim.xy();
    xy.fields.ComboX = 4;
    xy.fields.ComboY = 5;
    xy.PresetsChange(sim, 3);  // COxPV [Malha 2], controller 2 absent
    EXPECT_EQ(xy.fields.ComboX, 4);
    EXPECT_EQ(xy.fields.ComboY, 5);
    Controller& c = sim.controllers.Fill(2);
    c.fields.VariavelSelect = 21;  // M22
    xy.PresetsChange(sim, 3);
    EXPECT_EQ(xy.fields.ComboX, 1);    // M02
    EXPECT_EQ(xy.fields.ComboY, 21);   // M22
    xy.PresetsChange(sim, 4);          // COxMV [Malha 2]
    EXPECT_EQ(xy.fields.ComboY, 101);  // M102, actuator position of block 2
    xy.ComboDropDown(1);
    EXPECT_EQ(xy.fields.Presets, 0);
    EXPECT_EQ(xy.fields.ComboY, 0);
}

}  // namespace
}  // namespace vork
