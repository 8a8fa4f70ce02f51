#pragma once

#include "app/document.h"
#include "app/platform/platform.h"

namespace vork {

class MainWindow;
class ProjectLifeCycle;
class TForm1;
class WindowRegistry;

// What every window of the program is built with: the document it edits and listens to, the
// desktop it asks, the registry through which it opens other windows, and the main window with
// its model (which also holds what the synoptic shows of each animated text).
struct AppContext {
    ProjectDocument& document;
    Platform& platform;
    WindowRegistry& windows;
    MainWindow& main;
    TForm1* mainWindow = nullptr;           // set once the main window exists
    ProjectLifeCycle* lifeCycle = nullptr;  // New, Open, Save ... of the whole project

    Project& project() { return document.project(); }
    Language language() const { return document.project().sim.language; }
};

}  // namespace vork
