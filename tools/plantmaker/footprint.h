#pragma once

#include <string>

#include "plantmaker/sheet.h"

namespace vork::plantmaker {

// Where an object or operator input sits on the picture. The picture draws the object's tag at
// the marker's place (a bubble, a plate, a readout), so the marker of the main window covers the
// tag that stands for it.
enum class FootprintKind {
    Controller,
    Process,
    Calc,
    Recorder,
    Text,
    Track,
    Switch,
    ButtonPanel,
    Shape
};

struct Footprint {
    FootprintKind kind;
    int slot = 0;
    Rect marker;              // what the main window puts there
    Rect reserved;            // what the picture keeps free for it (at least the marker)
    std::string tag;          // caption: the tag, or the text's description
    std::string symbol;       // calculation blocks: the function flag; texts: a sample value
    bool automatic = false;   // controllers: blue caption in automatic, red in manual
    bool instrument = false;  // a block drawn as a field instrument's bubble
};

// The object buttons of the main window.
inline constexpr int kMarkerWidth = 79;
inline constexpr int kMarkerHeight = 22;
// Half the side of a controller's symbol and the radius of a block drawn as an instrument.
inline constexpr int kInstrumentRadius = 28;

// What the picture keeps free around a marker: the symbol drawn under it.
Rect ReservedArea(FootprintKind kind, const Rect& marker, bool instrument);

// The marker rectangle centred on `c`.
inline Rect MarkerAround(Pt c) {
    return {c.x - kMarkerWidth / 2, c.y - kMarkerHeight / 2, kMarkerWidth, kMarkerHeight};
}

}  // namespace vork::plantmaker
