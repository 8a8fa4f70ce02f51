#include "workspace/switch_input.h"

namespace vork {

void SwitchInput::ShowPictureFor(double value) {
    if (ChaveTipo < 0 || ChaveTipo >= kTypes) {
        visiblePicture = 0;
        return;
    }
    visiblePicture = 2 * ChaveTipo + (value == 1.0 ? 2 : 1);
}

}  // namespace vork
