// Times one scan tick plus the repaint of the main window on the benchmark plant, with every
// marker, shape, switch and slider shown, on the offscreen platform (unless another is chosen).
// Prints the median and the maximum over the ticks, for a full repaint of the window and for
// the repaint of what the tick changed; then the same two with every controller's faceplate open
// on its trend (the full repaint being that of the faceplates).
//
//   bench_app_tick [FILE] [--ticks N]     (FILE: bench/plants/full.smp, N: 600)

#include <QApplication>
#include <QString>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/loops/tcontrolador.h"
#include "app/platform/platform_notices.h"
#include "app/platform/stderr_platform.h"
#include "app/workspace/tform1.h"

namespace {

// Median and maximum in milliseconds, of the wall clock and of the processor time this thread
// spent (the machine may be shared: the processor time does not count the waits for it).
struct Figures {
    double median, maximum;
    double cpuMedian, cpuMaximum;
};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::pair<double, double> MedianAndMaximum(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

Figures Time(int ticks, const std::function<void()>& step) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < ticks; ++i) {
        double cpuStart = ThreadCpuMs();
        auto start = std::chrono::steady_clock::now();
        step();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        wall.push_back(took.count());
        cpu.push_back(ThreadCpuMs() - cpuStart);
    }
    auto [median, maximum] = MedianAndMaximum(wall);
    auto [cpuMedian, cpuMaximum] = MedianAndMaximum(cpu);
    return {median, maximum, cpuMedian, cpuMaximum};
}

void Print(const char* what, const Figures& f) {
    std::printf(
        "%-24s median %6.3f ms, max %7.3f ms   (processor: median %6.3f ms, max %7.3f ms)\n", what,
        f.median, f.maximum, f.cpuMedian, f.cpuMaximum);
}

// Opens the window of every controller in the wide trend form.
std::vector<QWidget*> OpenFaceplates(vork::Application& app) {
    std::vector<QWidget*> opened;
    for (int slot = 1; slot <= 10; ++slot) {
        if (!app.project().sim.controllers.Exists(slot)) continue;
        app.windows().Show({vork::ObjectKind::Controller, slot});
        auto* window = static_cast<vork::TControlador*>(
            app.windows().Find({vork::ObjectKind::Controller, slot}));
        if (window->model().configShowing) window->findChild<QToolButton*>("TrendButton")->click();
        opened.push_back(window);
    }
    QApplication::processEvents();
    return opened;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vork::SilencePlatformNotices();
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QString file = VORK_SOURCE_DIR "/bench/plants/full.smp";
    int ticks = 600;
    QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--ticks" && i + 1 < args.size())
            ticks = args[++i].toInt();
        else
            file = args[i];
    }
    if (ticks < 1) return 2;

    vork::StderrPlatform platform;
    vork::StartOptions options;
    options.realTime = false;
    options.clock = vork::ProjectDocument::SteppingClock(0, 100);
    vork::Application app(platform, options);
    if (!app.Open(file)) return 1;
    vork::TForm1& main = app.mainWindow();
    main.resize(1280, 800);
    main.show();
    QApplication::processEvents();
    vork::ProjectDocument& document = app.document();
    document.RunTicks(60);
    QApplication::processEvents();

    Figures full = Time(ticks, [&] {
        document.Tick();
        main.repaint();
    });
    Figures changed = Time(ticks, [&] {
        document.Tick();
        QApplication::processEvents();
    });
    std::vector<QWidget*> faceplates = OpenFaceplates(app);
    Figures faceplatesChanged = Time(ticks, [&] {
        document.Tick();
        QApplication::processEvents();
    });
    Figures withFaceplates = Time(ticks, [&] {
        document.Tick();
        for (QWidget* faceplate : faceplates)
            faceplate->repaint();
    });
    std::printf("%s, %d ticks, window %dx%d, %d faceplates\n", file.toUtf8().constData(), ticks,
                main.width(), main.height(), static_cast<int>(faceplates.size()));
    Print("tick + full repaint:", full);
    Print("tick + changed repaint:", changed);
    Print("with faceplates, changed:", faceplatesChanged);
    Print("with faceplates, full:", withFaceplates);
    return 0;
}
