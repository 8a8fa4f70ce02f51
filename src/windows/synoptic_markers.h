#pragma once

#include <optional>
#include <string>

#include "plant/object_ref.h"

namespace vork {

// The families of markers on the synoptic picture that a click or a drag can reach.
enum class MarkerFamily { Controller, Process, Calc, Recorder, Text, Shape, Switch, Panel, Track };

// One marker: its family and its number in the family (1-based; the command panel is number 1).
struct MarkerId {
    MarkerFamily family = MarkerFamily::Controller;
    int n = 1;

    bool operator==(const MarkerId&) const = default;
};

// How many markers a family has.
int MarkerCount(MarkerFamily family);

// The object name of the marker's main control: "Control1", "Proce1", "proce2", "Bloc24",
// "Reg1", "Texto1", "Shape1", "Chave1p1", "PainelComando", "TrackBack1".
std::string MarkerName(MarkerId id);

// The hint of the marker's controls, not translated; empty for families without one.
std::string MarkerHint(MarkerId id);

// The fixed code that selecting the marker in move mode stores.
int MoveCode(MarkerId id);
// The marker a move code stands for; nothing for a code without one.
std::optional<MarkerId> MarkerOfMoveCode(int code);

// The slot object a marker stands for: controllers, process and calculation blocks, trend
// recorders and animated texts; nothing for the operator inputs and shapes.
std::optional<ObjectRef> ObjectOfMarker(MarkerId id);
// The marker of a slot object.
MarkerId MarkerOfObject(ObjectRef ref);

}  // namespace vork
