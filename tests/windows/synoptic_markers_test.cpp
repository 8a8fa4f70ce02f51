#include <gtest/gtest.h>

#include <set>

#include "windows/marker_placement.h"
#include "windows/shape_view.h"
#include "windows/synoptic_markers.h"

namespace vork {
namespace {

constexpr MarkerFamily kFamilies[] = {
    MarkerFamily::Controller, MarkerFamily::Process, MarkerFamily::Calc,
    MarkerFamily::Recorder,   MarkerFamily::Text,    MarkerFamily::Shape,
    MarkerFamily::Switch,     MarkerFamily::Panel,   MarkerFamily::Track};

TEST(SynopticMarkers, EveryMarkerHasItsOwnMoveCode) {
    std::set<int> codes;
    for (MarkerFamily family : kFamilies) {
        for (int n = 1; n <= MarkerCount(family); ++n) {
            MarkerId id{family, n};
            int code = MoveCode(id);
            EXPECT_TRUE(codes.insert(code).second) << MarkerName(id);
            EXPECT_EQ(MarkerOfMoveCode(code), id) << code;
        }
    }
    EXPECT_EQ(codes.size(), 102u);
    EXPECT_EQ(*codes.begin(), 2);
    EXPECT_EQ(*codes.rbegin(), 108);
    for (int unused : {0, 1, 12, 13, 22, 93, 94, 109})
        EXPECT_EQ(MarkerOfMoveCode(unused), std::nullopt) << unused;
}

TEST(SynopticMarkers, CodesNamesAndHintsOfTheTable) {
    EXPECT_EQ(MoveCode({MarkerFamily::Process, 24}), 14);
    EXPECT_EQ(MoveCode({MarkerFamily::Calc, 24}), 15);
    EXPECT_EQ(MoveCode({MarkerFamily::Process, 21}), 16);
    EXPECT_EQ(MoveCode({MarkerFamily::Calc, 23}), 21);
    EXPECT_EQ(MoveCode({MarkerFamily::Process, 1}), 23);
    EXPECT_EQ(MoveCode({MarkerFamily::Recorder, 10}), 52);
    EXPECT_EQ(MoveCode({MarkerFamily::Text, 20}), 92);
    EXPECT_EQ(MoveCode({MarkerFamily::Switch, 2}), 101);
    EXPECT_EQ(MoveCode({MarkerFamily::Panel, 1}), 102);
    EXPECT_EQ(MoveCode({MarkerFamily::Track, 6}), 108);

    EXPECT_EQ(MarkerName({MarkerFamily::Process, 1}), "Proce1");
    EXPECT_EQ(MarkerName({MarkerFamily::Process, 2}), "proce2");
    EXPECT_EQ(MarkerName({MarkerFamily::Process, 10}), "proce10");
    EXPECT_EQ(MarkerName({MarkerFamily::Process, 11}), "Proce11");
    EXPECT_EQ(MarkerName({MarkerFamily::Switch, 2}), "Chave2p1");

    EXPECT_EQ(MarkerHint({MarkerFamily::Controller, 1}), "Saída em M01");
    EXPECT_EQ(MarkerHint({MarkerFamily::Process, 20}), "Saída em M40");
    EXPECT_EQ(MarkerHint({MarkerFamily::Process, 21}), "Saída em M71");
    EXPECT_EQ(MarkerHint({MarkerFamily::Calc, 24}), "Saída em M78");
    EXPECT_EQ(MarkerHint({MarkerFamily::Switch, 2}), "Saída em M12");
    EXPECT_EQ(MarkerHint({MarkerFamily::Track, 6}), "output at M20");
    EXPECT_EQ(MarkerHint({MarkerFamily::Recorder, 1}), "");

    EXPECT_EQ(ObjectOfMarker({MarkerFamily::Text, 3}), (ObjectRef{ObjectKind::Text, 3}));
    EXPECT_EQ(ObjectOfMarker({MarkerFamily::Shape, 3}), std::nullopt);
    EXPECT_EQ(MarkerOfObject({ObjectKind::Recorder, 4}), (MarkerId{MarkerFamily::Recorder, 4}));
}

TEST(MarkerPlacement, EachFamilyLandsByItsRule) {
    Workspace ws;
    VariableTable vars;
    PlaceMarker(ws, vars, 14, {300, 200});
    EXPECT_EQ(ws.processes[23].left, 300);
    EXPECT_EQ(ws.processes[23].top, 200);

    PlaceMarker(ws, vars, 73, {40, 5});
    EXPECT_EQ(ws.texts[0].top, 5);
    EXPECT_EQ(ws.texts[0].labelTop, -8);  // partly outside, as dragged
    EXPECT_EQ(ws.texts[0].labelLeft, 40);

    ws.tracks[0].EntLabel = "Vazão";
    PlaceMarker(ws, vars, 103, {100, 50});
    const Track& t = ws.tracks[0];
    EXPECT_EQ(t.TrackLabel.left, 106);
    EXPECT_EQ(t.TrackLabel.top, 56);
    EXPECT_EQ(t.TrackText.left, 152);
    EXPECT_EQ(t.TrackText.top, 54);
    EXPECT_EQ(t.TrackBar.left, 104);
    EXPECT_EQ(t.TrackBar.top, 72);
    ws.tracks[0].EntLabel = "Vazão total";  // 11 letters: 7 pixels for each beyond 6
    PlaceMarker(ws, vars, 103, {100, 50});
    EXPECT_EQ(t.TrackText.left, 152 + 35);

    Shape& shape = ws.shapes[1];
    shape.ImagemTipo = 1;
    shape.ImagemVar = "7";
    vars.Write(7, 25.0);
    PlaceMarker(ws, vars, 96, {500, 100});
    EXPECT_EQ(shape.referenceTop, 100);
    EXPECT_EQ(shape.shape.top, 175);
    EXPECT_EQ(shape.shape.left, 500);

    PlaceMarker(ws, vars, 101, {9, 8});
    EXPECT_EQ(ws.switches[1].left, 9);
    PlaceMarker(ws, vars, 102, {11, 12});
    EXPECT_EQ(ws.commandPanel.PainelComando.top, 12);
    Workspace before = ws;
    PlaceMarker(ws, vars, 93, {1, 1});
    EXPECT_EQ(ws.texts[19].top, before.texts[19].top);
}

TEST(MarkerPlacement, DraggedMarkersStayInsideTheArea) {
    EXPECT_EQ(KeepInside({500, 300}, {79, 22}, {1000, 600}).x, 500);
    Point p = KeepInside({995, -4}, {79, 22}, {1000, 600});
    EXPECT_EQ(p.x, 921);
    EXPECT_EQ(p.y, 0);
    p = KeepInside({-10, 700}, {79, 22}, {1000, 600});
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 578);
    p = KeepInside({30, 30}, {200, 200}, {100, 100});
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

TEST(ShapeView, RectangleGrowsUpwardsAndCircleChangesColour) {
    Shape rect;
    rect.ImagemTipo = 1;
    rect.ImagemTam = 50;
    rect.referenceTop = 300;
    ShapeView view;
    view.Apply(rect, 25.0);
    EXPECT_FALSE(view.circle);
    EXPECT_EQ(view.height, 25);
    EXPECT_EQ(view.top, 375);
    EXPECT_EQ(view.brush, kRed);
    rect.ImagemTam = 100;  // two pixels a percent
    view.Apply(rect, 25.0);
    view.Show(rect, 60.0);
    EXPECT_EQ(view.height, 120);
    EXPECT_EQ(view.top, 380);
    EXPECT_EQ(view.top + view.height, 300 + view.FullHeight(rect));
    view.Show(rect, 1e300);  // far beyond the picture, but a number of pixels
    EXPECT_LT(view.top, 0);

    Shape circle;
    circle.ImagemTam = 30;
    circle.ImagemTamW = 40;
    view.Apply(circle, 0.0);
    EXPECT_EQ(view.height, 30);
    EXPECT_EQ(view.width, 40);
    view.Show(circle, 0.001);
    EXPECT_EQ(view.brush, kLime);
    view.Show(circle, 0.0);
    EXPECT_EQ(view.brush, kRed);

    VariableTable vars;
    vars.Write(99, 4.0);
    circle.ImagemVar = "99";
    EXPECT_EQ(ShapeValue(circle, vars), 4.0);
    circle.ImagemVar = "x";
    EXPECT_EQ(ShapeValue(circle, vars), 0.0);
}

}  // namespace
}  // namespace vork
