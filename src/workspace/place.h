#pragma once

namespace vork {

// Where a control sits on the picture, in pixels, and whether it is shown.
struct Place {
    int top = 0;
    int left = 0;
    bool visible = false;
};

}  // namespace vork
