#include "app/fastsim/taboutbox.h"
#include "app/window_registry.h"
#include "app/workspace/tconfigform.h"

namespace vork {

// One line per window class of the program.
void RegisterWindows(WindowRegistry& registry) {
    registry.Permanent<TConfigForm>(PermanentWindow::Configuration, "Configurao2");
    registry.Instance<TAboutBox>("Dese1", true);
}

}  // namespace vork
