#include <gtest/gtest.h>

#include "fake_records.h"

namespace vork {
namespace {

using testing::FakeProject;
using testing::Join;
using testing::Lines;

// A project that touches every section of the frame.
void FillRichProject(FakeProject& p) {
    Workspace& ws = p.workspace;
    ws.Titulo = "Caldeira";
    ws.pictureName = "caldeira.bmp";
    p.vars.SetAttribute(21, AttributeField::Unit, "m³/h");
    p.vars.SetAttribute(21, AttributeField::UeMax, "150");
    p.vars.SetAttribute(96, AttributeField::Lse, "99.5");
    p.records.Put(SlotKind::Controller, 1, "FIC-1", 3);
    p.records.Put(SlotKind::Controller, 10, "TIC-10", 4);
    p.records.Put(SlotKind::Process, 24, "Válvula", 5);
    p.records.Put(SlotKind::Calc, 2, "B2", 6);
    p.records.Put(SlotKind::Recorder, 1, "R1", 7);
    p.records.Put(SlotKind::Text, 20, "T20", 8);
    p.records.generator[0] = "3";
    p.records.generator[79] = "42.5";
    ws.controllers[0] = {"FIC-1", 10, 20, true, true};
    ws.controllers[9] = {"TIC-10", 11, 21, true, true};
    ws.processes[23] = {"Válvula", 12, 22, true, true};
    ws.calcs[1] = {"B2", 13, 23, false, true};
    ws.recorders[0] = {"R1", 14, 24, true, true};
    ws.texts[19].top = 100;
    ws.texts[19].left = 200;
    ws.texts[19].visible = true;
    Track& track = ws.tracks[2];
    track.EntCheck = true;
    track.EntLabel = "Abertura";
    track.EntTrack = false;
    track.TrackBack.top = 300;
    track.TrackBack.left = 400;
    p.vars.Write(17, 12.345);
    Shape& shape = ws.shapes[4];
    shape.ImagemCheck = true;
    shape.ImagemTipo = 1;
    shape.ImagemVar = "21";
    shape.ImagemCor1 = Rgb(0, 128, 255);
    shape.ImagemCor2 = Rgb(166, 202, 240);
    shape.ImagemTam = 80;
    shape.ImagemTamW = 30;
    shape.referenceTop = 250;
    shape.shape.left = 260;
    ws.switches[1] = {true, 3, 70, 80, 0};
    p.vars.Write(12, 1);
    ws.commandPanel.PainelComando = {130, 140, true};
    ws.commandPanel.buttons[0].BotaoCheck = true;
    ws.commandPanel.buttons[0].textOff = "Parada";
    ws.commandPanel.buttons[0].description = "Bomba";
    p.vars.Write(97, 1);
    p.characterizer.Lin1EndEnt = "21 Vazão";
    p.characterizer.Lin1Ativar = true;
    p.characterizer.Lin1PV[5] = "95,5";
    ws.showComments = true;
    ws.commentsPortuguese = {"Controle de nível", "", "  recuado  "};
    ws.commentsEnglish = {"Level control"};
}

TEST(FrameRoundTrip, WrittenReadAndWrittenAgainIsByteIdentical) {
    FakeProject original;
    FillRichProject(original);
    LineWriter first;
    WriteFrame(original.Frame(), first);

    FakeProject loaded;
    LineReader in(first.Bytes());
    std::vector<std::string> messages = ReadFrame(loaded.Frame(), in, "file");
    // The reader lays out what it read; the markers show at the next workspace refresh.
    for (SlotKind kind : {SlotKind::Controller, SlotKind::Process, SlotKind::Recorder})
        for (int slot = 1; slot <= SlotCount(kind); ++slot)
            loaded.workspace.Marker(kind, slot).visible =
                loaded.workspace.Marker(kind, slot).checked;
    loaded.workspace.texts[19].visible = loaded.workspace.texts[19].checked;
    LineWriter second;
    WriteFrame(loaded.Frame(), second);
    EXPECT_EQ(second.Bytes(), first.Bytes());

    EXPECT_EQ(messages, (std::vector<std::string>{"checked C1", "checked C10", "checked P24",
                                                  "checked B2", "checked R1", "checked T20"}));
    EXPECT_EQ(loaded.records.calls.front(), "fill C1");
    EXPECT_EQ(loaded.records.calls[1], "fill C10");
    EXPECT_EQ(loaded.records.calls[2], "read C1");
    EXPECT_EQ(loaded.records.numbers.at({SlotKind::Text, 20}), 8);
    EXPECT_EQ(loaded.progress, (std::vector<int>{5, 10, 25, 45, 60, 70, 85, 90, 95, 100}));
}

TEST(FrameRoundTrip, ReadingRestoresFieldsVariablesAndPictures) {
    FakeProject original;
    FillRichProject(original);
    FakeProject loaded;
    loaded.Read(original.Write());
    const Workspace& ws = loaded.workspace;
    EXPECT_EQ(ws.Titulo, "Caldeira");
    EXPECT_EQ(ws.pictureName, "caldeira.bmp");
    EXPECT_EQ(loaded.vars.Attribute(21, AttributeField::Unit), "m³/h");
    EXPECT_EQ(loaded.vars.Attribute(96, AttributeField::Lse), "99.5");
    EXPECT_EQ(ws.processes[23].caption, "Válvula");
    EXPECT_EQ(ws.processes[23].top, 12);
    EXPECT_EQ(ws.processes[23].left, 22);
    EXPECT_EQ(ws.texts[19].top, 100);
    EXPECT_EQ(ws.texts[19].labelTop, 87);  // 13 pixels above the value
    EXPECT_EQ(ws.texts[19].labelLeft, 200);
    EXPECT_DOUBLE_EQ(loaded.vars.Read(17), 12.345);
    EXPECT_EQ(loaded.vars.Description(17), "Abertura");
    EXPECT_TRUE(ws.tracks[2].TrackBack.visible);
    EXPECT_FALSE(ws.tracks[2].TrackBar.visible);
    EXPECT_EQ(ws.tracks[2].backHeight, 28);
    EXPECT_EQ(ws.shapes[4].shape.top, 250);
    EXPECT_TRUE(ws.shapes[4].shape.visible);
    EXPECT_EQ(ws.shapes[4].ImagemCor1, Rgb(0, 128, 255));
    EXPECT_EQ(ws.switches[1].visiblePicture, 8);  // "para baixo", state 1
    EXPECT_EQ(ws.switches[0].visiblePicture, 0);
    EXPECT_DOUBLE_EQ(loaded.vars.Read(97), 1);
    EXPECT_TRUE(ws.commandPanel.buttons[0].pressedVisible);
    EXPECT_FALSE(ws.commandPanel.buttons[0].releasedVisible);
    EXPECT_TRUE(ws.commandPanel.PainelComando.visible);
    EXPECT_EQ(ws.commandPanel.height, 70);
    EXPECT_EQ(loaded.characterizer.Lin1PV[5], "95,5");
    EXPECT_EQ(loaded.records.generator[79], "42.5");
    EXPECT_EQ(ws.commentsPortuguese, original.workspace.commentsPortuguese);
}

TEST(FrameHeader, BilingualTitleTakesTheLanguagePart) {
    FakeProject source;
    source.workspace.Titulo = "Caldeira|Boiler";
    std::string file = source.Write();
    FakeProject portuguese(Language::Portuguese);
    portuguese.Read(file);
    EXPECT_EQ(portuguese.workspace.Titulo, "Caldeira");
    FakeProject english(Language::English);
    english.Read(file);
    EXPECT_EQ(english.workspace.Titulo, "Boiler");
    // Only the first bar separates the parts.
    source.workspace.Titulo = "A|B|C";
    english.Read(source.Write());
    EXPECT_EQ(english.workspace.Titulo, "B|C");
}

TEST(FrameHeader, EmptyTitleBecomesTheFileName) {
    FakeProject source;
    FakeProject loaded;
    loaded.Read(source.Write(), "boiler");
    EXPECT_EQ(loaded.workspace.Titulo, "boiler");
}

// The lines of a written file with the catalogue and/or the sliders cut out.
std::vector<std::string> WithoutSections(bool catalogue, bool sliders) {
    FakeProject source;
    source.records.Put(SlotKind::Controller, 2, "FIC-2", 9);
    source.workspace.tracks[0].EntCheck = true;
    source.workspace.tracks[0].EntLabel = "Carga";
    std::vector<std::string> lines = Lines(source.Write());
    if (sliders) lines.erase(lines.begin() + 85, lines.begin() + 122);
    if (catalogue) lines.erase(lines.begin() + 2, lines.begin() + 85);
    return lines;
}

TEST(FrameOptionalSections, MissingCatalogueSetsDefaultsAndReadsSliders) {
    std::vector<std::string> lines = WithoutSections(true, false);
    ASSERT_EQ(lines[2], "<<Tracks>>");
    FakeProject loaded;
    loaded.vars.SetAttribute(30, AttributeField::Unit, "kg");
    loaded.vars.SetAttribute(15, AttributeField::UeMin, "0.0");
    loaded.Read(Join(lines));
    for (int address = 15; address <= 96; ++address) {
        const VariableAttributes& a = loaded.vars.Attributes(address);
        EXPECT_EQ(a.unit, "%");
        EXPECT_EQ(a.ueMin, "0.00");
        EXPECT_EQ(a.ueMax, "100.00");
        EXPECT_EQ(a.lie, "0.00");
        EXPECT_EQ(a.lse, "100.00");
    }
    EXPECT_TRUE(loaded.workspace.tracks[0].EntCheck);
    EXPECT_EQ(loaded.workspace.tracks[0].EntLabel, "Carga");
    EXPECT_EQ(loaded.records.tags.at({SlotKind::Controller, 2}), "FIC-2");
}

TEST(FrameOptionalSections, MissingCatalogueAndSlidersReadsFlagsFromLineFour) {
    std::vector<std::string> lines = WithoutSections(true, true);
    ASSERT_EQ(lines[2], "<Controls>");
    ASSERT_EQ(lines[4], "True");
    FakeProject loaded;
    loaded.Read(Join(lines));
    EXPECT_EQ(loaded.records.tags.at({SlotKind::Controller, 2}), "FIC-2");
    EXPECT_EQ(loaded.records.numbers.at({SlotKind::Controller, 2}), 9);
    EXPECT_FALSE(loaded.workspace.tracks[0].EntCheck);
    EXPECT_EQ(loaded.vars.Attribute(50, AttributeField::Unit), "%");
}

TEST(FrameOptionalSections, GroupMarkerIsCountedNotCompared) {
    std::vector<std::string> lines = WithoutSections(false, false);
    lines[122] = "anything";
    FakeProject loaded;
    loaded.Read(Join(lines));
    EXPECT_EQ(loaded.records.tags.at({SlotKind::Controller, 2}), "FIC-2");
}

TEST(FrameCatalogue, LinesAreReadByPositionNotKey) {
    std::vector<std::string> lines = Lines(FakeProject().Write());
    lines[3 + 15] = "M99:x;1;2;3;4;";  // the 16th catalogue line belongs to M30
    lines[3 + 16] = "M31:kg;;;;;";
    lines[3 + 17] = "M32:t/h;5";  // ranges without their ";" are empty
    lines[3 + 18] = "M33";
    FakeProject loaded;
    loaded.Read(Join(lines));
    const VariableAttributes& m30 = loaded.vars.Attributes(30);
    EXPECT_EQ(m30.unit, "x");
    EXPECT_EQ(m30.ueMin, "1");
    EXPECT_EQ(m30.ueMax, "2");
    EXPECT_EQ(m30.lie, "3");
    EXPECT_EQ(m30.lse, "4");
    EXPECT_EQ(loaded.vars.Attributes(99).unit, "%");
    const VariableAttributes& m31 = loaded.vars.Attributes(31);
    EXPECT_EQ(m31.unit, "kg");
    EXPECT_EQ(m31.ueMin, "0.00");
    EXPECT_EQ(m31.ueMax, "100.00");
    EXPECT_EQ(m31.lse, "100.00");
    EXPECT_EQ(loaded.vars.Attributes(32).unit, "t/h");
    EXPECT_EQ(loaded.vars.Attributes(32).ueMin, "0.00");
    EXPECT_EQ(loaded.vars.Attributes(33).unit, "");
}

TEST(FramePositions, ControllerTopLeftOthersLeftTop) {
    FakeProject source;
    source.records.Put(SlotKind::Controller, 3, "C3");
    source.records.Put(SlotKind::Process, 3, "P3");
    source.workspace.controllers[2] = {"C3", 40, 120, true, true};
    source.workspace.processes[2] = {"P3", 40, 120, true, true};
    std::vector<std::string> lines = Lines(source.Write());
    auto at = std::find(lines.begin(), lines.end(), "=====<<<COORDENADAS>>>=====");
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 9),
              (std::vector<std::string>{"C3", "40", "120", "True", "P3", "120", "40", "True"}));
    FakeProject loaded;
    loaded.Read(Join(lines));
    for (const ObjectMarker& m : {loaded.workspace.controllers[2], loaded.workspace.processes[2]}) {
        EXPECT_EQ(m.top, 40);
        EXPECT_EQ(m.left, 120);
        EXPECT_TRUE(m.checked);
    }
}

TEST(FramePositions, EntriesFollowTheFileFlagsOnly) {
    // A slot filled before the load but flagged "False" in the file has no entry to read.
    FakeProject source;
    source.records.Put(SlotKind::Calc, 5, "B5");
    source.workspace.calcs[4] = {"B5", 70, 80, false, true};
    FakeProject loaded;
    loaded.records.Put(SlotKind::Controller, 1, "old");
    loaded.Read(source.Write());
    EXPECT_EQ(loaded.workspace.calcs[4].top, 70);
    EXPECT_EQ(loaded.workspace.calcs[4].left, 80);
    EXPECT_EQ(loaded.workspace.controllers[0].top, 3);
}

}  // namespace
}  // namespace vork
