#include "app/engine/tbloco.h"
#include "app/engine/tform2.h"
#include "app/engine/tparmform.h"
#include "app/fastsim/taboutbox.h"
#include "app/fastsim/tregxy.h"
#include "app/help/tabout_splash.h"
#include "app/help/web_links.h"
#include "app/loops/tcontrolador.h"
#include "app/loops/tprocesso.h"
#include "app/loops/tregistrform.h"
#include "app/loops/tsintonia.h"
#include "app/project/life_cycle_commands.h"
#include "app/project/tdialogos.h"
#include "app/window_registry.h"
#include "app/workspace/tconfigform.h"
#include "app/workspace/tform1.h"

namespace vork {

// One line per window class of the program.
void RegisterWindows(WindowRegistry& registry) {
    registry.Permanent<TConfigForm>(PermanentWindow::Configuration, "Configurao2");
    registry.Permanent<TDialogos>(PermanentWindow::VariableList, "Variveis1");
    RegisterLifeCycle(registry);
    registry.Object<TControlador>(ObjectKind::Controller);
    registry.Object<TRegistrForm>(ObjectKind::Recorder);
    registry.Object<TProcesso>(ObjectKind::Process);
    registry.Command(kGalleryCommand, [](AppContext& c) { c.mainWindow->ShowGallery(true); });
    registry.Instance<TAboutSplash>("Sobre3", true);
    registry.AtStart([](AppContext& c) {
        auto* splash = new TAboutSplash(c);
        QObject::connect(splash, &TAboutSplash::startUpEnded, c.mainWindow,
                         [&c] { FinishStartUp(c); });
        splash->ShowAtStartUp();
    });
    registry.Command("utorial1", [](AppContext& c) { OpenWebPageOnline(c, web_page::kHome); });
    registry.Command("VdeoAulas1",
                     [](AppContext& c) { OpenWebPageOnline(c, web_page::kVideoLessons); });
    registry.Command("IntroduoControledeProcessos1",
                     [](AppContext& c) { OpenWebPageOnline(c, web_page::kControlFundamentals); });
    registry.Instance<TAboutBox>("Dese1", true);
    registry.Instance<TSintonia>("Sintonia1", true);  // also a page of the controller's window
    registry.Object<TBloco>(ObjectKind::Calc);
    registry.Permanent<TParmForm>(PermanentWindow::Generator, "Configurao1");
    registry.Object<TForm2>(ObjectKind::Text);
    registry.Permanent<TRegXY>(PermanentWindow::XYRecorder, "RegistradorXY1");
}

}  // namespace vork
