#include <gtest/gtest.h>

#include "engine/numbers.h"
#include "fake_records.h"

namespace vork {
namespace {

using testing::FakeProject;
using testing::Join;
using testing::Lines;

constexpr size_t kSlider1 = 86;  // first line of slider 1's entry in a file with a catalogue

// Reads a new project's file with slider 1's entry replaced.
FakeProject ReadSlider1(const std::vector<std::string>& entry) {
    std::vector<std::string> lines = Lines(FakeProject().Write());
    std::copy(entry.begin(), entry.end(), lines.begin() + kSlider1);
    FakeProject loaded;
    loaded.Read(Join(lines));
    return loaded;
}

TEST(FrameSliders, ValueIsScientificAndBarRoundsHalfToEven) {
    FakeProject source;
    source.vars.Write(15, 12.345);
    source.vars.Write(20, -0.5);
    std::vector<std::string> lines = Lines(source.Write());
    EXPECT_EQ(lines[kSlider1 + 4], " 1.23450000000000E+0001");
    EXPECT_EQ(lines[kSlider1 + 5 * 6 + 4], "-5.00000000000000E-0001");

    const std::vector<std::pair<std::string, int>> cases = {
        {" 1.25000000000000E-0001", 12},  // 12.5 goes to the even neighbour
        {" 3.75000000000000E-0001", 38},
        {" 1.45000000000000E-0001", 14},  // decimal 14.5, not 14.499999...
        {" 5.00000000000000E+0001", 5000},
        {" 1.50000000000000E+0002", 10000},  // the bar ends at 10000
        {"-1.00000000000000E+0000", 0},
        {"abc", 0},
    };
    for (const auto& [text, position] : cases) {
        FakeProject loaded = ReadSlider1({"TRUE", "Nível", "122", "844", text, "TRUE"});
        EXPECT_EQ(loaded.workspace.tracks[0].barPosition, position) << text;
        EXPECT_DOUBLE_EQ(loaded.vars.Read(15), ParseLenient(text)) << text;
    }
}

TEST(FrameSliders, LabelGeometryFollowsLabelLength) {
    FakeProject wide = ReadSlider1({"TRUE", "Temperatur", "100", "200", "0", "TRUE"});
    const Track& t = wide.workspace.tracks[0];
    EXPECT_EQ(t.TrackBack.top, 100);
    EXPECT_EQ(t.TrackBack.left, 200);
    EXPECT_EQ(t.backWidth, 145);
    EXPECT_EQ(t.backHeight, 60);
    EXPECT_EQ(t.barWidth, 133);
    EXPECT_EQ(t.TrackText.left - t.TrackBack.left, 80);
    EXPECT_EQ(t.TrackText.top, 104);
    EXPECT_EQ(t.TrackLabel.top, 106);
    EXPECT_EQ(t.TrackLabel.left, 204);
    EXPECT_EQ(t.TrackBar.top, 122);
    EXPECT_EQ(t.TrackBar.left, 204);
    EXPECT_TRUE(t.TrackBack.visible && t.TrackLabel.visible && t.TrackText.visible &&
                t.TrackBar.visible);
    EXPECT_EQ(wide.vars.Description(15), "Temperatur");

    // Six characters, accents counted as one, keep the drawn size; no bar makes it 28 high.
    FakeProject narrow = ReadSlider1({"TRUE", "Pressã", "100", "200", "0", "FALSE"});
    const Track& n = narrow.workspace.tracks[0];
    EXPECT_EQ(n.backWidth, 117);
    EXPECT_EQ(n.barWidth, 105);
    EXPECT_EQ(n.TrackText.left, 252);
    EXPECT_EQ(n.backHeight, 28);
    EXPECT_FALSE(n.TrackBar.visible);

    // Not shown: placed, but its visibility is left as it was.
    FakeProject hidden = ReadSlider1({"FALSE", "Vazão|Flow", "10", "20", "0", "TRUE"});
    EXPECT_FALSE(hidden.workspace.tracks[0].TrackBack.visible);
    EXPECT_EQ(hidden.workspace.tracks[0].TrackBack.top, 10);
    EXPECT_EQ(hidden.workspace.tracks[0].EntLabel, "Vazão");
}

TEST(FrameSwitchesAndButtons, ValuesAreFixedDigitsAndPicturesFollowThem) {
    FakeProject source;
    source.workspace.switches[0].ChaveCheck = true;
    source.workspace.switches[0].ChaveTipo = 1;
    source.vars.Write(11, 1);
    source.vars.Write(98, 1);
    CommandPanel& panel = source.workspace.commandPanel;
    panel.buttons[0].BotaoCheck = true;
    panel.buttons[1].BotaoCheck = true;
    panel.buttons[1].textOn = "Ligado|On";
    std::vector<std::string> lines = Lines(source.Write());
    EXPECT_EQ(lines[368], "1");
    EXPECT_EQ(lines[373], "0");
    EXPECT_EQ(lines[385], "1");

    FakeProject english(Language::English);
    english.Read(Join(lines));
    EXPECT_EQ(english.workspace.switches[0].visiblePicture, 4);  // "para cima", state 1
    EXPECT_EQ(english.workspace.switches[1].visiblePicture, 0);  // not in use
    const CommandPanel& read = english.workspace.commandPanel;
    EXPECT_EQ(read.buttons[1].textOn, "On");
    EXPECT_TRUE(read.buttons[1].pressedVisible);
    EXPECT_TRUE(read.buttons[0].releasedVisible);
    EXPECT_FALSE(read.buttons[2].releasedVisible);
    EXPECT_EQ(read.height, 120);
}

TEST(FrameShapes, ColoursAndVariablePositionRoundTrip) {
    FakeProject source;
    source.workspace.shapes[0].ImagemCor1 = Rgb(0, 128, 255);
    source.workspace.shapes[0].ImagemVar = "99";
    source.workspace.shapes[1].ImagemVar = "abc";  // typed text that is no list entry
    std::vector<std::string> lines = Lines(source.Write());
    EXPECT_EQ(lines[319 + 7], "$00FF8000");
    EXPECT_EQ(lines[319 + 4], "98");
    EXPECT_EQ(lines[328 + 4], "-1");
    lines[328 + 8] = "clNoSuchColour";
    FakeProject loaded;
    loaded.Read(Join(lines));
    EXPECT_EQ(loaded.workspace.shapes[0].ImagemCor1, Rgb(0, 128, 255));
    EXPECT_EQ(loaded.workspace.shapes[0].ImagemVar, "99");
    EXPECT_EQ(loaded.workspace.shapes[1].ImagemVar, "");
    EXPECT_EQ(loaded.workspace.shapes[1].ImagemCor2, kLime);
}

}  // namespace
}  // namespace vork
