#include "app/loops/tcontrolador.h"
#include "app/loops/tprocesso.h"
#include "app/loops/tregistrform.h"
#include "app/project/life_cycle_commands.h"
#include "app/project/tdialogos.h"
#include "app/window_registry.h"
#include "app/workspace/tconfigform.h"

namespace vork {

// One line per window class of the program.
void RegisterWindows(WindowRegistry& registry) {
    registry.Permanent<TConfigForm>(PermanentWindow::Configuration, "Configurao2");
    registry.Permanent<TDialogos>(PermanentWindow::VariableList, "Variveis1");
    RegisterLifeCycle(registry);
    registry.Object<TControlador>(ObjectKind::Controller);
    registry.Object<TRegistrForm>(ObjectKind::Recorder);
    registry.Object<TProcesso>(ObjectKind::Process);
}

}  // namespace vork
