#pragma once

// Drawing parts shared by the two tube furnace examples.

#include <vector>

#include "plantmaker/example.h"

namespace vork::plantmaker {

// The heater with its burners on the floor: three flames spread over the width.
inline void DrawTubeFurnace(Sheet& s, Rect r) {
    s.Furnace(r);
    for (int k = 1; k <= 3; ++k)
        s.Flame({r.x + r.w * k / 4, r.Bottom() - 6}, r.h / 9);
}

// The fuel gas header at height `y` from the left edge, one riser to each burner at `burners`.
inline void DrawFuelHeader(Sheet& s, int y, const std::vector<int>& burners, int left = 40,
                           int burnerY = 476) {
    s.Pipe({{left, y}, {burners.back(), y}}, Fluid::Fuel, false);
    for (int x : burners)
        s.Pipe({{x, y}, {x, burnerY}}, Fluid::Fuel);
}

// The inspection door on the right wall at `hinge` (the wall's x, the door's top).
inline void DrawInspectionDoor(Sheet& s, Pt hinge) {
    s.Box({hinge.x - 10, hinge.y, 20, 44});
    s.Text({hinge.x + 16, hinge.y + 18}, {"Porta", "Door"}, Align::Left, 11);
}

}  // namespace vork::plantmaker
