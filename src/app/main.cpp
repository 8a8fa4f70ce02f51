#include <QApplication>
#include <QDir>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <cstdio>

#include "app/application.h"
#include "app/command_line.h"
#include "app/platform/platform_notices.h"
#include "app/platform/qt_platform.h"
#include "app/screenshots.h"
#include "app/workspace/tform1.h"
#include "project/preferences.h"

int main(int argc, char** argv) {
    vork::SilencePlatformNotices();
    QApplication qt(argc, argv);
    QApplication::setApplicationDisplayName("VORK");
    QGuiApplication::setDesktopFileName("vork");
    // The core formats and reads numbers with the C library, with a point.
    std::setlocale(LC_NUMERIC, "C");

    QString error;
    std::optional<vork::CommandLine> line =
        vork::ParseCommandLine(QApplication::arguments().mid(1), error);
    if (!line) {
        std::fprintf(stderr, "%s\n%s\n", error.toUtf8().constData(),
                     vork::CommandLineUsage().toUtf8().constData());
        return 2;
    }
    if (line->screenshots) return vork::RunScreenshots(line->folder, line->file, line->ticks);

    vork::QtPlatform platform;
    vork::StartOptions options;
    options.language = vork::ReadLanguagePreference(QDir::currentPath().toStdString())
                           .value_or(vork::Language::Portuguese);
    // An installed program keeps its examples in <prefix>/share/vork beside <prefix>/bin/vork.
    options.installedData = QDir(QApplication::applicationDirPath()).filePath("../share/vork");
    options.seed =
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    vork::Application app(platform, options);
    vork::TForm1& main = app.mainWindow();
    platform.SetParent(&main);
    main.showMaximized();
    if (!line->file.isEmpty())
        QTimer::singleShot(0, &main, [&app, file = line->file] { app.Open(file); });
    else
        app.windows().RunStartCommands();
    return QApplication::exec();
}
