#include "app/loops/tsintonia.h"
#include "app/window_registry.h"
#include "app/workspace/tconfigform.h"

namespace vork {

// One line per window class of the program.
void RegisterWindows(WindowRegistry& registry) {
    registry.Permanent<TConfigForm>(PermanentWindow::Configuration, "Configurao2");
    registry.Instance<TSintonia>("Sintonia1", true);  // also a page of the controller's window
}

}  // namespace vork
