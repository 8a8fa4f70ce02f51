#include <gtest/gtest.h>

#include "fake_records.h"

namespace vork {
namespace {

using testing::FakeProject;
using testing::Lines;

TEST(FrameLayout, EmptyProjectWritesMarkersFlagsAndBarePositions) {
    FakeProject project;
    std::vector<std::string> lines = Lines(project.Write());
    ASSERT_EQ(lines.size(), 411u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[2], "<<<Unidades Engenharia>>>");
    EXPECT_EQ(lines[3], "M15:%;0.00;100.00;0.00;100.00;");
    EXPECT_EQ(lines[84].substr(0, 4), "M96:");
    EXPECT_EQ(lines[85], "<<Tracks>>");
    EXPECT_EQ(lines[86], "FALSE");
    EXPECT_EQ(lines[88], "122");  // slider 1 frame top
    EXPECT_EQ(lines[89], "844");
    EXPECT_EQ(lines[90], " 0.00000000000000E+0000");
    EXPECT_EQ(lines[91], "TRUE");
    const std::vector<std::pair<size_t, std::string>> groups = {{122, "<Controls>"},
                                                                {133, "<Process>"},
                                                                {158, "<Blocs>"},
                                                                {183, "<Registers>"},
                                                                {194, "<Textos Animados>"}};
    for (size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(lines[groups[g].first], groups[g].second);
        size_t end = g + 1 < groups.size() ? groups[g + 1].first : 215;
        for (size_t i = groups[g].first + 1; i < end; ++i)
            EXPECT_EQ(lines[i], "False") << i;
    }
    EXPECT_EQ(lines[215], "=====<<<COORDENADAS>>>=====");
    EXPECT_EQ(lines[216], "=====<<<REGISTRADOR XY>>>=====");
    EXPECT_EQ(lines[217], "{X/01} ");
    EXPECT_EQ(lines[234], "{X/18} ");
    EXPECT_EQ(lines[235], "vago");
    EXPECT_EQ(lines[237], "vago");
    EXPECT_EQ(lines[238], "<Parametros>");
    EXPECT_EQ(lines[239], "{P/01} 0");
    // Shape 1: reference top, left, off, circle, variable 1, 50 x 50, red and lime.
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + 319, lines.begin() + 328),
        (std::vector<std::string>{"304", "984", "FALSE", "0", "0", "50", "50", "clRed", "clLime"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 364, lines.begin() + 369),
              (std::vector<std::string>{"40", "1000", "FALSE", "0", "0"}));
    EXPECT_EQ(lines[374], "120");
    EXPECT_EQ(lines[375], "24");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 376, lines.begin() + 381),
              (std::vector<std::string>{"FALSE", "Texto para M97=0", "Texto para M97=1",
                                        "Descrição", "0"}));
    EXPECT_EQ(lines[391], "=====<<<LINEARIZADOR>>>=====)");
    EXPECT_EQ(lines[392], "01 MV");
    EXPECT_EQ(lines[393], "FALSE");
    EXPECT_EQ(lines[399], "100");
    EXPECT_EQ(lines[406], "FALSE");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 407, lines.end()),
              (std::vector<std::string>{"<INICIO_COMENTARIOS>", "<FIM_COMENTARIOS>",
                                        "<BEGIN_COMMENTS>", "<END_COMMENTS>"}));
}

TEST(FrameLayout, DiskBytesAreWindows1252WithCrLf) {
    FakeProject project;
    project.workspace.Titulo = "Caldeira de vapor: pressão";
    LineWriter out;
    WriteFrame(project.Frame(), out);
    std::string bytes = out.Bytes();
    EXPECT_EQ(bytes.substr(0, 28), "Caldeira de vapor: press\xE3o\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 16), "<END_COMMENTS>\r\n");
}

TEST(FrameLayout, FilledSlotsWriteRecordsThenPositionsInKindOrder) {
    FakeProject project;
    project.records.Put(SlotKind::Controller, 3, "FIC-3");
    project.records.Put(SlotKind::Process, 21, "P21");
    project.records.Put(SlotKind::Calc, 1, "B1");
    project.records.Put(SlotKind::Recorder, 2, "R2");
    project.records.Put(SlotKind::Text, 10, "T10");
    Workspace& ws = project.workspace;
    ws.controllers[2] = {"FIC-3", 40, 120, true, true};
    ws.processes[20] = {"P21", 40, 120, true, true};
    ws.recorders[1] = {"R2", 5, 6, false, true};
    ws.calcs[0] = {"B1", 7, 8, false, true};  // calculation blocks write the option itself
    ws.texts[9].top = 300;
    ws.texts[9].left = 200;
    ws.texts[9].visible = true;
    std::vector<std::string> lines = Lines(project.Write());
    EXPECT_EQ(lines[125], "True");  // controller 3's flag
    EXPECT_EQ(lines[133], "=====<<<FAKE:03>>>=====");
    EXPECT_EQ(lines[134], "{C03/01} Tag:FIC-3");
    EXPECT_EQ(lines[163], "<Process>");
    EXPECT_EQ(lines[184], "True");  // process 21
    EXPECT_EQ(lines[188], "=====<<<FAKE:71>>>=====");
    EXPECT_EQ(lines[189], "{P71/01} Tag:P21");
    auto positions = std::find(lines.begin(), lines.end(), "=====<<<COORDENADAS>>>=====");
    ASSERT_NE(positions, lines.end());
    EXPECT_EQ(std::vector<std::string>(positions + 1, positions + 20),
              (std::vector<std::string>{"FIC-3", "40", "120", "True",  // controller: top, left
                                        "P21", "120", "40", "True",    // process: left, top
                                        "R2", "6", "5", "False",       // recorder: visibility
                                        "B1", "8", "7", "True",        // calc: the option
                                        "300", "200", "True"}));       // text: top, left
    EXPECT_EQ(positions[20], "=====<<<REGISTRADOR XY>>>=====");
}

}  // namespace
}  // namespace vork
