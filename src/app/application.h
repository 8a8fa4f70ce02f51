#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "app/app_context.h"
#include "app/document.h"
#include "app/project/platform_desk.h"
#include "app/window_registry.h"
#include "windows/main_window.h"
#include "windows/project_life_cycle.h"

namespace vork {

class TForm1;

// How the program starts.
struct StartOptions {
    Language language = Language::Portuguese;
    // Off: `Timer1` never runs on its own; ticks come from ProjectDocument::Tick and RunTicks.
    bool realTime = true;
    // The clock of the ticks; the time of day when empty.
    ProjectDocument::Clock clock;
    // The random generator's seed: the program takes it from the clock, tests fix it.
    uint64_t seed = 1;
    // The folder the program started in: examples and "preferences.cfg" are found there. The
    // working folder when empty.
    QString startFolder;
    // Where the installed program keeps its examples, for a start from another folder.
    QString installedData;
};

// The whole program without its event loop: the document, the registered windows, the main
// window and its model, built in the order of start-up. `vork`, the screenshots, the tests and
// the benchmarks each create one.
class Application {
  public:
    Application(Platform& platform, const StartOptions& options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    AppContext& context() { return *context_; }
    ProjectDocument& document() { return document_; }
    Project& project() { return document_.project(); }
    WindowRegistry& windows() { return registry_; }
    MainWindow& mainModel() { return *model_; }
    ProjectLifeCycle& lifeCycle() { return *lifeCycle_; }
    TForm1& mainWindow() { return *main_; }

    // Opens a simulation file, as `vork FILE` and a file manager's double-click do. A load that
    // stops shows its reason and leaves a new project; the objects' check messages are shown.
    bool Open(const QString& path);

  private:
    ProjectDocument document_;
    WindowRegistry registry_;
    std::unique_ptr<MainWindow> model_;
    std::unique_ptr<PlatformDesk> desk_;
    std::unique_ptr<ProjectLifeCycle> lifeCycle_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<TForm1> main_;
};

}  // namespace vork
