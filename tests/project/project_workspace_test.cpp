#include <gtest/gtest.h>

#include "plant/controller.h"
#include "project/project.h"

namespace vork {
namespace {

struct Changes : ProjectObserver {
    void ObjectChanged(ObjectRef ref) override { refs.push_back(ref); }
    std::vector<ObjectRef> refs;
};

TEST(WorkspaceRefresh, ShowsCheckedMarkersWithTheirTagsAndSliderValues) {
    Project p;
    Changes changes;
    p.AddObserver(&changes);
    p.Fill({ObjectKind::Controller, 2});
    p.Fill({ObjectKind::Controller, 3});
    p.sim.controllers.Get(2)->fields.TagText = "FIC-2";
    p.workspace.controllers[1].checked = true;
    p.sim.vars.SetAttribute(16, AttributeField::UeMax, "500");
    p.sim.vars.Write(16, 25.0);
    p.workspace.tracks[1].TrackText.visible = true;
    p.workspace.tracks[2].valueText = "7";  // hidden: left as it is

    p.WorkspaceRefresh();
    EXPECT_TRUE(p.workspace.controllers[1].visible);
    EXPECT_EQ(p.workspace.controllers[1].caption, "FIC-2");
    EXPECT_FALSE(p.workspace.controllers[2].visible);
    EXPECT_EQ(p.workspace.tracks[1].valueText, "125.00");
    EXPECT_EQ(p.workspace.tracks[2].valueText, "7");
    ASSERT_EQ(changes.refs.size(), 1u);
    EXPECT_EQ(changes.refs[0], ObjectRef{ObjectKind::Workspace});
    EXPECT_TRUE(p.saved());
    p.RemoveObserver(&changes);
}

TEST(ProjectLanguage, NewProjectsTakeTheDefaultButtonTextsOfTheLanguage) {
    Project p;
    p.workspace.commandPanel.buttons[1].textOn = "Ligada";
    p.SetLanguage(Language::English);
    const CommandPanel& panel = p.workspace.commandPanel;
    EXPECT_EQ(panel.buttons[0].textOff, "Text when M97=0");
    EXPECT_EQ(panel.buttons[2].textOn, "Text when M99=1");
    EXPECT_EQ(panel.buttons[0].description, "Description");
    EXPECT_EQ(panel.buttons[1].textOn, "Ligada");  // typed, so it stays
    p.NewProject();
    EXPECT_EQ(panel.buttons[1].textOn, "Text when M98=1");
    EXPECT_EQ(p.sim.language, Language::English);
    p.SetLanguage(Language::Portuguese);
    EXPECT_EQ(panel.buttons[1].description, "Descrição");
}

}  // namespace
}  // namespace vork
