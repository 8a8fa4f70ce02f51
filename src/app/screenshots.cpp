#include "app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QMenuBar>
#include <QTime>
#include <cstdio>

#include "app/application.h"
#include "app/platform/stderr_platform.h"
#include "app/widget_inventory.h"
#include "app/workspace/tform1.h"
#include "project/preferences.h"

namespace vork {

namespace {

// The main window opens maximized; a picture of it takes the size its markers need, at least
// that of a small screen.
constexpr QSize kSmallestMain{1024, 640};
constexpr int kMargin = 16;  // pixels right of and below the farthest marker

void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QString PictureName(const WindowRegistry::Entry& entry) {
    QString name = entry.className;
    if (entry.slot) name += QString("-%1").arg(*entry.slot);
    return name + ".png";
}

// A window with something to show only after some work (a run, a load) declares the invokable
// PrepareScreenshot().
void PrepareWindows(Application& app) {
    for (const WindowRegistry::Entry& entry : app.windows().Windows())
        if (entry.window->metaObject()->indexOfMethod("PrepareScreenshot()") >= 0)
            QMetaObject::invokeMethod(entry.window, "PrepareScreenshot");
}

}  // namespace

void OpenForScreenshots(Application& app) {
    TForm1& main = app.mainWindow();
    main.show();
    Settle();
    QSize frame = main.size() - main.synoptic().size();
    QSize wanted = main.synoptic().ContentSize() + QSize(kMargin, kMargin);
    main.resize(wanted.expandedTo(kSmallestMain - frame) + frame);
    app.windows().OpenEveryWindow();
    Settle();
}

bool SaveScreenshots(Application& app, const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    QDir target(folder);
    std::vector<WindowRegistry::Entry> windows = app.windows().Windows();
    for (const WindowRegistry::Entry& entry : windows) {
        if (!entry.window->isVisible()) continue;
        if (!entry.window->grab().save(target.filePath(PictureName(entry)), "PNG")) return false;
    }
    QFile json(target.filePath("widgets.json"));
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QJsonObject inventory = WidgetInventory(windows, app.project().sim.language);
    return json.write(QJsonDocument(inventory).toJson(QJsonDocument::Indented)) > 0;
}

int RunScreenshots(const QString& folder, const QString& file, int ticks) {
    StderrPlatform platform;
    StartOptions options;
    options.language =
        ReadLanguagePreference(QDir::currentPath().toStdString()).value_or(Language::Portuguese);
    options.realTime = false;
    options.clock =
        ProjectDocument::SteppingClock(QTime::currentTime().msecsSinceStartOfDay(), 100);
    Application app(platform, options);
    if (!file.isEmpty() && !app.Open(file)) return 1;
    // Without a project the program shows the example gallery, as after its start-up window.
    if (file.isEmpty()) app.mainWindow().ShowGallery(true);
    OpenForScreenshots(app);
    app.document().RunTicks(ticks);
    PrepareWindows(app);
    Settle();
    if (!SaveScreenshots(app, folder)) {
        std::fprintf(stderr, "cannot write the screenshots to %s\n", folder.toUtf8().constData());
        return 1;
    }
    return 0;
}

}  // namespace vork
