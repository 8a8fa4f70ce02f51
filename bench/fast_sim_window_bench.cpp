// Times the fast simulation of 4 hours at 100 ms on the benchmark plant twice: from a click on
// `BTNSimular` of the fast-simulation window until its charts and indices are painted (offscreen,
// unless another platform is chosen), and as `vork-sim run` does it, the core alone on a freshly
// loaded copy of the project. Both are timed in turns, in the same process; the best of the
// repetitions is kept, and the processor time of this thread beside the wall clock (the machine
// may be shared). Then times the repaint of one chart showing all 14400 points of a page.
//
//   bench_fast_sim_window [FILE] [--repetitions N]     (FILE: bench/plants/full.smp, N: 3)

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <functional>

#include "app/application.h"
#include "app/fastsim/taboutbox.h"
#include "app/platform/platform_notices.h"
#include "app/platform/stderr_platform.h"
#include "project/project.h"

namespace {

struct Took {
    double wall = 1e300, cpu = 1e300;  // seconds, the best so far
};

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

void Time(Took& best, const std::function<void()>& work) {
    double cpu = ThreadCpuSeconds();
    auto start = std::chrono::steady_clock::now();
    work();
    std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    best.wall = std::min(best.wall, wall.count());
    best.cpu = std::min(best.cpu, ThreadCpuSeconds() - cpu);
}

vork::RunInputs FourHoursAt100Ms() {
    vork::RunInputs in;
    in.windowSeconds = vork::WindowSeconds(3);
    in.dt = vork::TimeStep(0);
    in.signal = vork::TestSignal::SetpointStep;
    return in;
}

void Choose(QComboBox* list, int position) {
    list->setCurrentIndex(position);
    Q_EMIT list->activated(position);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vork::SilencePlatformNotices();
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QString file = VORK_SOURCE_DIR "/bench/plants/full.smp";
    int repetitions = 3;
    QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--repetitions" && i + 1 < args.size())
            repetitions = args[++i].toInt();
        else
            file = args[i];
    }
    if (repetitions < 1) return 2;

    vork::StderrPlatform platform;
    vork::StartOptions options;
    options.realTime = false;
    vork::Application app(platform, options);
    Took core, window, page;
    for (int r = 0; r < repetitions; ++r) {
        vork::Project alone;
        if (!alone.Load(file.toStdString()).ok()) return 1;
        vork::LoopCurveSet charts;
        vork::ResultsTables tables;
        Time(core, [&] { alone.RunFastSimulation(FourHoursAt100Ms(), charts, tables); });

        if (!app.Open(file)) return 1;
        vork::TAboutBox box(app.context());
        box.resize(1280, 800);
        box.show();
        Choose(box.findChild<QComboBox*>("JanelaComboBox"), 3);
        Choose(box.findChild<QComboBox*>("TACombo"), 0);
        box.findChild<QComboBox*>("SinalTesteCombo")->setCurrentIndex(2);
        QApplication::processEvents();
        Time(window, [&] {
            QTest::mouseClick(box.findChild<QPushButton*>("BTNSimular"), Qt::LeftButton);
            box.repaint();
        });
        if (box.findChild<QLineEdit*>("IEMAmalha")->text().isEmpty()) return 1;
        Choose(box.findChild<QComboBox*>("PtsPag"), 4);
        QWidget* chart = box.findChild<QWidget*>("ChartM1");
        for (int i = 0; i < 20; ++i)
            Time(page, [&] { chart->repaint(); });
    }
    std::printf("%s, 4 h at 100 ms (144000 passes), best of %d\n", file.toUtf8().constData(),
                repetitions);
    std::printf("core alone (vork-sim run):    %7.3f s   (processor %7.3f s)\n", core.wall,
                core.cpu);
    std::printf("window, click to painted:     %7.3f s   (processor %7.3f s)\n", window.wall,
                window.cpu);
    std::printf("window / core:                %7.3f     (processor %7.3f)\n",
                window.wall / core.wall, window.cpu / core.cpu);
    std::printf("repaint of a 14400-point page: %6.1f ms  (processor %6.1f ms)\n", page.wall * 1e3,
                page.cpu * 1e3);
    return 0;
}
