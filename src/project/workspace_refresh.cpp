#include "project/workspace_refresh.h"

#include "engine/numbers.h"
#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/trend_recorder.h"

namespace vork {

namespace {

template <class Markers, class Objects, class Tag>
void RefreshMarkers(Markers& markers, const Objects& slots, Tag tag) {
    for (int n = 1; n <= Objects::kCount; ++n) {
        const auto* object = slots.Get(n);
        if (!object) continue;
        ObjectMarker& marker = markers[n - 1];
        marker.visible = marker.checked;
        marker.caption = tag(*object);
    }
}

}  // namespace

void RefreshWorkspace(Workspace& ws, const Simulation& sim) {
    RefreshMarkers(ws.controllers, sim.controllers,
                   [](const Controller& c) { return c.fields.TagText; });
    RefreshMarkers(ws.processes, sim.processes,
                   [](const ProcessBlock& p) { return p.fields.TagText; });
    RefreshMarkers(ws.calcs, sim.calcs, [](const CalcBlock& c) { return c.fields.TagText; });
    RefreshMarkers(ws.recorders, sim.recorders,
                   [](const TrendRecorder& r) { return r.fields.TagText; });
    for (int n = 1; n <= sim.texts.kCount; ++n) {
        const AnimatedText* text = sim.texts.Get(n);
        if (!text) continue;
        TextMarker& marker = ws.texts[n - 1];
        marker.labelCaption = text->fields.DescricaoText;
        marker.visible = marker.checked;
        marker.labelVisible = marker.visible;
    }
    for (int k = 1; k <= Workspace::kTracks; ++k) {
        Track& track = ws.tracks[k - 1];
        double engineering =
            sim.vars.ToEngineering(TrackAddress(k), sim.vars.Read(TrackAddress(k)));
        if (track.TrackText.visible) track.valueText = Fixed(engineering, 2, 5);
    }
}

}  // namespace vork
