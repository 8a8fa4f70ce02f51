#include <gtest/gtest.h>

#include "plant/animated_text.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "project/project.h"
#include "windows/configuration_window.h"
#include "windows/main_window.h"
#include "windows/slot_boxes.h"

namespace vork {
namespace {

constexpr ObjectRef kController3{ObjectKind::Controller, 3};
constexpr ObjectRef kProcess24{ObjectKind::Process, 24};
constexpr ObjectRef kText1{ObjectKind::Text, 1};

struct ConfigurationModel : ::testing::Test {
    Project project;
    MainWindow main{project};
    ConfigurationWindow config{project, main};
};

TEST(SlotBoxes, NamesSlotsAndEmptyForms) {
    EXPECT_EQ(SlotBoxes().size(), 88u);
    EXPECT_EQ(SlotBoxOf(SlotKind::Process, 24).name, "CheckBox78");
    EXPECT_EQ(SlotBoxOf(SlotKind::Process, 23).name, "CheckBox74");
    EXPECT_EQ(SlotBoxOf(SlotKind::Process, 11).name, "CheckBox61");
    EXPECT_EQ(SlotBoxOf(SlotKind::Process, 16).name, "CheckBox56");
    EXPECT_EQ(SlotBoxOf(SlotKind::Calc, 16).name, "CheckBox82");
    EXPECT_EQ(SlotBoxOf(SlotKind::Calc, 24).name, "CheckBox79");
    EXPECT_EQ(SlotBoxOf(SlotKind::Recorder, 10).name, "CheckBox20");
    EXPECT_EQ(SlotBoxOf(SlotKind::Text, 10).name, "CheckBox66");
    EXPECT_EQ(SlotBoxOf(SlotKind::Text, 20).name, "CheckBox91");

    EXPECT_EQ(EmptySlotCaption(SlotKind::Controller, 1, Language::Portuguese),
              "<vago> Controlador 1");
    EXPECT_EQ(EmptySlotCaption(SlotKind::Text, 20, Language::Portuguese), "<vago>Texto Animado 20");
    EXPECT_EQ(EmptySlotCaption(SlotKind::Text, 1, Language::English), "<empty>Animated Text1");
    EXPECT_EQ(EmptySlotCaption(SlotKind::Calc, 2, Language::English), "<empty> Block 2");
    EXPECT_EQ(DeletedSlotCaption(SlotKind::Controller, 3, Language::English),
              "<empty> Controller 3");
    EXPECT_EQ(DeletedSlotCaption(SlotKind::Process, 3, Language::English), "<vago> Processo 3");
    EXPECT_EQ(DeletedSlotCaption(SlotKind::Recorder, 1, Language::English), "<vago> Registrador 1");
}

TEST_F(ConfigurationModel, CheckingFillsUncheckingOnlyHides) {
    config.CheckBoxClick(kProcess24, true);
    ASSERT_TRUE(project.sim.processes.Exists(24));
    EXPECT_EQ(project.sim.processes.Get(24)->OutputAddress(), 74);
    EXPECT_TRUE(config.boxChecked(kProcess24));
    EXPECT_EQ(config.boxCaption(kProcess24), "<vago> Processo 24");  // until the refresh

    project.sim.processes.Get(24)->fields.TagText = "FT-24";
    config.CheckBoxClick(kProcess24, false);
    EXPECT_TRUE(project.sim.processes.Exists(24));
    config.Exit();
    EXPECT_FALSE(project.workspace.processes[23].visible);
    config.CheckBoxClick(kProcess24, true);
    EXPECT_EQ(project.sim.processes.Get(24)->fields.TagText, "FT-24");
    config.Exit();
    EXPECT_TRUE(project.workspace.processes[23].visible);
    EXPECT_EQ(project.workspace.processes[23].caption, "FT-24");
    EXPECT_TRUE(project.saved());
}

TEST_F(ConfigurationModel, CaptionRefreshAndDeletedForms) {
    config.CheckBoxClick(kController3, true);
    config.CheckBoxClick(kText1, true);
    Controller& c = *project.sim.controllers.Get(3);
    c.fields.TagText = "FIC-3";
    c.fields.Descricao = "Vazão";
    project.sim.texts.Get(1)->fields.DescricaoText = "Nível";
    config.PageClick(4);
    config.Show();
    EXPECT_EQ(config.page(), 0);
    EXPECT_EQ(config.boxCaption(kController3), "FIC-3 Vazão");
    EXPECT_EQ(config.boxCaption(kText1), "Nível");

    project.sim.language = Language::English;
    project.Empty(kController3);
    config.SlotEmptied(kController3);
    EXPECT_EQ(config.boxCaption(kController3), "<empty> Controller 3");
    EXPECT_FALSE(config.boxChecked(kController3));
    config.ProjectReplaced();
    EXPECT_EQ(config.boxCaption({ObjectKind::Process, 2}), "<empty> Process 2");
}

TEST_F(ConfigurationModel, ALanguageSwitchRenamesTheEmptyAndDeletedBoxesOnly) {
    config.CheckBoxClick(kController3, true);
    project.sim.controllers.Get(3)->fields.TagText = "FIC-3";
    config.CheckBoxClick({ObjectKind::Controller, 4}, true);
    project.Empty({ObjectKind::Controller, 4});
    config.SlotEmptied({ObjectKind::Controller, 4});
    std::string deleted = config.boxCaption({ObjectKind::Controller, 4});

    project.SetLanguage(Language::English);
    config.LanguageChanged();
    EXPECT_EQ(config.boxCaption({ObjectKind::Controller, 1}), "<empty> Controller 1");
    EXPECT_EQ(config.boxCaption(kController3), "FIC-3 ");
    EXPECT_NE(config.boxCaption({ObjectKind::Controller, 4}), deleted);
    EXPECT_EQ(config.boxCaption({ObjectKind::Controller, 4}),
              DeletedSlotCaption(SlotKind::Controller, 4, Language::English));
}

TEST_F(ConfigurationModel, TitleTabsAndPictureMarkOrNot) {
    config.PictureChosen("/tmp/plantas/caldeira.bmp");
    EXPECT_EQ(project.workspace.pictureName, "caldeira.bmp");
    EXPECT_TRUE(project.saved());
    config.SetTitle("Caldeira");
    EXPECT_EQ(main.caption(), "Caldeira");
    EXPECT_EQ(project.workspace.Titulo, "Caldeira");
    EXPECT_FALSE(project.saved());
    project.MarkSaved();
    config.PageClick(2);
    EXPECT_FALSE(project.saved());
    EXPECT_EQ(config.cyclePosition(), 0);
}

TEST_F(ConfigurationModel, CommandSettingsFollowTheirChains) {
    for (int k = 1; k <= 3; ++k)
        config.SetButtonInUse(k, true);
    for (int address : {97, 98, 99})
        project.sim.vars.Write(address, 1.0);
    EXPECT_TRUE(config.buttonFieldsEnabled(3));
    config.SetButtonInUse(1, false);
    for (int address : {97, 98, 99})
        EXPECT_EQ(project.sim.vars.Read(address), 0.0);
    EXPECT_FALSE(config.buttonBoxEnabled(2));
    EXPECT_FALSE(config.buttonFieldsEnabled(1));

    EXPECT_FALSE(config.switchTypeEnabled(2));
    config.SetSwitchInUse(2, true);
    EXPECT_TRUE(config.switchTypeEnabled(2));
    EXPECT_EQ(project.workspace.switches[1].visiblePicture, 1);

    config.SetTrackInUse(4, true);
    EXPECT_TRUE(config.trackFieldsEnabled(4));
    config.SetTrackCaption(4, "Pressão");
    EXPECT_EQ(project.sim.vars.Description(18), "Pressão");
    EXPECT_EQ(project.workspace.tracks[3].backWidth, 7 * 7 + 75);
    config.SetButtonText(2, ButtonField::Description, "Bomba");
    EXPECT_EQ(project.workspace.commandPanel.buttons[1].description, "Bomba");
    EXPECT_TRUE(project.saved());
}

TEST_F(ConfigurationModel, ShapeSettingsActAtOnce) {
    EXPECT_FALSE(config.shapeSettingsEnabled(3));
    config.ShapeCheckClick(3, true);
    EXPECT_TRUE(project.workspace.shapes[2].shape.visible);
    config.ShapeCheckClick(3, false);
    EXPECT_TRUE(config.shapeSettingsEnabled(3));  // any click makes them available
    config.SetShapeColour(3, 1, kLime);
    EXPECT_EQ(main.shape(3).brush, kLime);
    config.SetShapeHeight(3, 80);
    EXPECT_EQ(main.shape(3).height, 80);
    config.SetShapeWidth(3, 24);
    EXPECT_EQ(main.shape(3).width, 24);
    config.SetShapeType(3, 1);
    EXPECT_FALSE(main.shape(3).circle);
    EXPECT_DOUBLE_EQ(main.shape(3).scale, 80 / 50.0);
    config.SetShapeVariable(3, "12");
    EXPECT_EQ(project.workspace.shapes[2].ImagemVar, "12");
}

TEST_F(ConfigurationModel, CharacterizerPanelIsReadLive) {
    config.EditCharacterizer([](CharacterizerFields& f) {
        f.Lin1Ativar = true;
        f.Lin1EndEnt = "15 Entrada";
    });
    project.sim.vars.Write(15, 37.5);
    project.Tick(100);
    EXPECT_EQ(project.sim.vars.Read(13), 37.5);
    EXPECT_EQ(config.characterizerInputList().size(), 99u);
    EXPECT_EQ(config.characterizerOutputText(), "M13");
    EXPECT_TRUE(project.saved());
}

}  // namespace
}  // namespace vork
