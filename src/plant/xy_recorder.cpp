#include "plant/xy_recorder.h"

namespace vork {

int XYRecorder::WindowSeconds(int position) {
    switch (position) {
        case 1:
            return 1800;
        case 2:
            return 3600;
        default:
            return 600;
    }
}

}  // namespace vork
