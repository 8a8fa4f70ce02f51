#include "plantmaker/footprint.h"

#include <algorithm>

namespace vork::plantmaker {

namespace {

Rect Union(const Rect& a, const Rect& b) {
    int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.Right(), b.Right()) - x, std::max(a.Bottom(), b.Bottom()) - y};
}

Rect Square(Pt c, int half) {
    return {c.x - half, c.y - half, 2 * half, 2 * half};
}

}  // namespace

Rect ReservedArea(FootprintKind kind, const Rect& marker, bool instrument) {
    Pt c = marker.Centre();
    if (instrument) return Union(marker, Square(c, kInstrumentRadius));
    switch (kind) {
        case FootprintKind::Controller:
            return Union(marker, Square(c, kInstrumentRadius));
        case FootprintKind::Calc:  // the hexagon and its function flag at the upper right
            return Union(marker, Rect{c.x - 44, c.y - 34, 100, 56});
        case FootprintKind::Recorder:  // the chart icon at the left
            return Union(marker, Rect{marker.x - 26, marker.y, 24, marker.h});
        case FootprintKind::Text:  // the readout behind description and value
            return {marker.x - 4, marker.y - 3, marker.w + 8, marker.h + 6};
        default:
            return marker;
    }
}

}  // namespace vork::plantmaker
