#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "app/fastsim/chart_export.h"
#include "app/fastsim/loop_chart.h"
#include "app/fastsim/taboutbox.h"
#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

const QString kExample = VORK_SOURCE_DIR "/examples/basic flow loop/basic flow loop.smp";

class FastSimulationWindowTest : public AppTest {
  protected:
    // The basic flow loop loaded, and a fast-simulation window opened from the menu that keeps
    // its archives in a scratch folder.
    TAboutBox& Open() {
        EXPECT_TRUE(app->Open(kExample));
        Menu("Dese1");
        for (const WindowRegistry::Entry& entry : app->windows().Windows())
            if (entry.className == "TAboutBox") box = static_cast<TAboutBox*>(entry.window);
        EXPECT_NE(box, nullptr);
        std::filesystem::path folder = scratch.path().toStdString();
        box->model().folder = [folder] { return folder; };
        return *box;
    }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(*box, name);
    }
    QString Text(const QString& field) { return In<QLineEdit>(field)->text(); }
    void ChooseSignal(int item) { In<QComboBox>("SinalTesteCombo")->setCurrentIndex(item); }
    void Simulate() { QTest::mouseClick(In<QPushButton>("BTNSimular"), Qt::LeftButton); }
    // A drag with the left button on a chart, from one pixel to another.
    void Drag(QWidget* chart, QPoint from, QPoint to) {
        QTest::mousePress(chart, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, Qt::LeftButton, Qt::NoModifier, to);
    }
    void FocusIn(QWidget* widget) {
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(widget, &focus);
    }

    QTemporaryDir scratch;
    TAboutBox* box = nullptr;
};

TEST_F(FastSimulationWindowTest, OpensWithItsDefaults) {
    Open();
    EXPECT_EQ(box->windowTitle(), "Simulação Rápida");
    EXPECT_EQ(In<QComboBox>("JanelaComboBox")->currentText(), "30 min");
    EXPECT_EQ(In<QComboBox>("TACombo")->currentText(), "500 ms");
    EXPECT_EQ(In<QComboBox>("SinalTesteCombo")->currentText(), "Selecione um sinal de teste:");
    EXPECT_EQ(In<QComboBox>("PtsPag")->currentText(), "30 min");
    EXPECT_EQ(Text("SinalTesteValor"), "10");
    EXPECT_EQ(Text("Edit2"), "Malha de vazão básica");
    EXPECT_EQ(In<QLabel>("Label5")->text(), ".");
    EXPECT_TRUE(In<QCheckBox>("Normaliza")->isChecked());
    EXPECT_FALSE(In<QCheckBox>("CheckArquivar")->isChecked());
    EXPECT_TRUE(In<QCheckBox>("replicarzoom")->isChecked());
    EXPECT_EQ(In<QProgressBar>("Gauge1")->value(), 0);
    auto* upper = In<QTabWidget>("TabbedNotebook1");
    EXPECT_EQ(upper->count(), 10);
    EXPECT_EQ(upper->tabText(0), "FIC-101");
    EXPECT_EQ(upper->tabText(1), "Malha 2");
    EXPECT_EQ(In<QTabWidget>("TabbedNotebook2")->tabText(0), "FIC-101(hist)");
    EXPECT_EQ(In<LoopChart>("ChartH10")->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(Text("varPVmalha").isEmpty());

    // The window length brings the time step of its list position.
    auto* window = In<QComboBox>("JanelaComboBox");
    window->setCurrentIndex(3);
    Q_EMIT window->activated(3);
    EXPECT_EQ(In<QComboBox>("TACombo")->currentText(), "1 seg");
}

TEST_F(FastSimulationWindowTest, TheStepSizeShowsOnlyForTheStepSignals) {
    Open();
    box->show();
    for (int item : {0, 1, 2, 3, 1}) {
        ChooseSignal(item);
        EXPECT_EQ(In<QLineEdit>("SinalTesteValor")->isVisible(), item >= 2) << item;
        EXPECT_EQ(In<QLabel>("SinalTesteTxt")->isVisible(), item >= 2) << item;
    }
    EXPECT_EQ(In<QLabel>("SinalTesteTxt")->toolTip(),
              "For SP change, the controller L/R switch must be in Local position");
}

TEST_F(FastSimulationWindowTest, ARunFillsTheChartsAndIndicesAndKeepsTheWindowAlive) {
    Open();
    ChooseSignal(2);
    Click(In<QCheckBox>("CheckArquivar"));
    // Events posted before the run are handled while it runs: the window does not freeze.
    bool handledWhileRunning = false, scanStopped = false;
    QTimer::singleShot(0, box, [&] {
        handledWhileRunning = box->model().running();
        scanStopped = !project().sim.scan.timerEnabled && !app->document().timer().isActive();
    });
    std::vector<int> progress;
    QObject::connect(In<QProgressBar>("Gauge1"), &QProgressBar::valueChanged,
                     [&](int value) { progress.push_back(value); });
    app->document().SetRealTime(true);  // Timer1 runs before the run and again after it
    Simulate();
    EXPECT_TRUE(app->document().timer().isActive());
    app->document().SetRealTime(false);
    EXPECT_TRUE(handledWhileRunning);
    EXPECT_TRUE(scanStopped);
    EXPECT_GT(progress.size(), 90u);
    EXPECT_EQ(In<QProgressBar>("Gauge1")->value(), 100);

    EXPECT_EQ(box->model().curves(ChartRow::Upper, 1).pv.size(), 1800u);
    EXPECT_TRUE(Text("varPVmalha").endsWith(" %"));
    EXPECT_TRUE(Text("IEMAmalha").endsWith(" %"));
    EXPECT_TRUE(Text("ExcMVmalha").endsWith(" %"));
    EXPECT_EQ(Text("PVminmaxMalha").count('/'), 2);
    EXPECT_TRUE(Text("IEMAhist").isEmpty());
    EXPECT_EQ(In<QComboBox>("ComboBox2")->currentText(), "Malha de vazão básica_1.txd");
    EXPECT_EQ(In<QLabel>("Label5")->text(), "Dados salvos no arquivo");
    EXPECT_TRUE(In<QPushButton>("BTNSimular")->isEnabled());
    EXPECT_TRUE(project().sim.scan.timerEnabled);
    // The setpoint stepped by 10 % stays stepped after the run.
    const LoopCurves& c = box->model().curves(ChartRow::Upper, 1);
    EXPECT_NEAR(c.sp.back() - c.sp.front(), 10, 1e-9);

    // A click on another loop's page shows its row: loop 2 has not been scored.
    QTabBar* tabs = In<QTabWidget>("TabbedNotebook1")->tabBar();
    Q_EMIT tabs->tabBarClicked(1);
    EXPECT_EQ(In<QTabWidget>("TabbedNotebook2")->currentIndex(), 1);
    Q_EMIT tabs->tabBarClicked(0);
    EXPECT_TRUE(Text("varPVmalha").endsWith(" %"));
}

TEST_F(FastSimulationWindowTest, AnArchiveLoadsIntoTheLowerRowWithItsIndices) {
    Open();
    Click(In<QCheckBox>("CheckArquivar"));
    Simulate();
    auto* list = In<QComboBox>("ComboBox1");
    FocusIn(list);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), "Malha de vazão básica_1");
    QTest::mouseClick(In<QPushButton>("BTNCarregar"), Qt::LeftButton);  // nothing chosen yet
    EXPECT_TRUE(Text("IEMAhist").isEmpty());

    list->setCurrentIndex(0);
    QTest::mouseClick(In<QPushButton>("BTNCarregar"), Qt::LeftButton);
    EXPECT_EQ(In<QProgressBar>("Gauge3")->value(), 100);
    EXPECT_EQ(box->model().curves(ChartRow::Lower, 1).pv.size(), 1800u);
    for (const IndexField& field : kIndexFields)
        EXPECT_EQ(Text(field.lower), Text(field.upper)) << field.lower;
    EXPECT_FALSE(Text("IEMAhist").isEmpty());

    // The upper list is editable and reads the folder on focus too; a missing file is reported.
    auto* upperList = In<QComboBox>("ComboBox2");
    FocusIn(upperList);
    EXPECT_EQ(upperList->count(), 1);
    QFile::remove(scratch.filePath("Malha de vazão básica_1.txd"));
    upperList->setCurrentIndex(0);
    QTest::mouseClick(In<QPushButton>("Button1"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1);
}

TEST_F(FastSimulationWindowTest, FourHoursInPagesOfFifteenMinutes) {
    Open();
    auto* window = In<QComboBox>("JanelaComboBox");
    window->setCurrentIndex(3);
    Q_EMIT window->activated(3);
    Simulate();
    auto* points = In<QComboBox>("PtsPag");
    points->setCurrentIndex(0);
    Q_EMIT points->activated(0);
    auto* next = In<QToolButton>("SelPageNext");
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(box->model().chartPage(ChartRow::Upper, 1), 16);
    EXPECT_EQ(box->model().range(ChartRow::Upper, 1).x, (AxisRange{13500, 14399}));
    QTest::mouseClick(In<QToolButton>("SelPagePrev"), Qt::LeftButton);
    EXPECT_EQ(box->model().chartPage(ChartRow::Upper, 1), 15);
}

TEST_F(FastSimulationWindowTest, ZoomIsReplicatedAndCOsHide) {
    Open();
    Click(In<QCheckBox>("CheckArquivar"));
    Simulate();
    box->resize(950, 650);
    auto* zoom = In<QToolButton>("SpeedButton1");
    QTest::mouseClick(zoom, Qt::LeftButton);
    EXPECT_FALSE(zoom->isEnabled());
    auto* upper = In<LoopChart>("ChartM1");
    upper->resize(600, 300);
    QPoint from(150, 60), to(350, 200);
    QPointF first = upper->ValueAt(from), last = upper->ValueAt(to);
    Drag(upper, from, to);
    ChartRange zoomed = box->model().range(ChartRow::Upper, 1);
    EXPECT_NEAR(zoomed.x.min, first.x(), 1e-9);
    EXPECT_NEAR(zoomed.x.max, last.x(), 1e-9);
    EXPECT_NEAR(zoomed.y.max, first.y(), 1e-9);
    EXPECT_EQ(box->model().range(ChartRow::Lower, 1), zoomed);
    EXPECT_TRUE(zoom->isEnabled());
    Drag(upper, from, to);  // each zoom needs the button again
    EXPECT_EQ(box->model().range(ChartRow::Upper, 1), zoomed);

    // Dragging up and to the left undoes the zoom of both charts of the loop.
    QTest::mouseClick(zoom, Qt::LeftButton);
    Drag(In<LoopChart>("ChartH1"), to, from);
    EXPECT_EQ(box->model().axes(ChartRow::Upper, 1), ChartAxes{});
    EXPECT_EQ(box->model().axes(ChartRow::Lower, 1), ChartAxes{});

    QTest::mouseClick(In<QToolButton>("SpeedButton3"), Qt::LeftButton);
    EXPECT_EQ(box->model().range(ChartRow::Lower, 1).y, (AxisRange{0, 100}));
    QTest::mouseClick(In<QToolButton>("SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(box->model().axes(ChartRow::Upper, 1), ChartAxes{});

    QTest::mouseClick(In<QToolButton>("SpeedButton4"), Qt::LeftButton);
    ASSERT_EQ(platform.webAddresses.size(), 1);
    EXPECT_TRUE(platform.webAddresses[0].endsWith("/?page_id=70/#simulacao_rapida"));

    Click(In<QCheckBox>("CheckBox1"));
    EXPECT_TRUE(box->model().curves(ChartRow::Upper, 1).co.empty());
    EXPECT_EQ(box->model().curves(ChartRow::Upper, 1).pv.size(), 1800u);
}

TEST_F(FastSimulationWindowTest, ABadAmplitudeIsRefusedAndTheScanRunsAgain) {
    Open();
    ChooseSignal(2);
    In<QLineEdit>("SinalTesteValor")->setText("1.5");
    Simulate();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains("1.5"));
    EXPECT_TRUE(box->model().curves(ChartRow::Upper, 1).pv.empty());
    EXPECT_TRUE(project().sim.scan.timerEnabled);
    EXPECT_TRUE(In<QPushButton>("BTNSimular")->isEnabled());
    EXPECT_TRUE(In<QCheckBox>("CheckArquivar")->isEnabled());
}

TEST_F(FastSimulationWindowTest, ChartsExportAsPngSvgAndCsv) {
    Open();
    ChooseSignal(2);
    Simulate();
    // From the button's menu: the upper chart of the loop shown.
    QMenu* menu = In<QPushButton>("ExportarBTN")->menu();
    ASSERT_NE(menu, nullptr);
    QList<QAction*> entries;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) entries << action;
    ASSERT_EQ(entries.size(), 6);
    platform.choices = {scratch.filePath("loop.png"), scratch.filePath("loop.svg"),
                        scratch.filePath("loop.csv")};
    for (int i = 0; i < 3; ++i)
        entries[i]->trigger();
    ASSERT_EQ(platform.dialogs.size(), 3u);
    EXPECT_EQ(platform.dialogs[0].fileName, "FIC-101.png");

    QImage png(scratch.filePath("loop.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(1000, 500));
    EXPECT_EQ(png.pixelColor(2, 2), QColor(Qt::white));
    QFile svg(scratch.filePath("loop.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("polyline"));
    QFile csv(scratch.filePath("loop.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1802);  // header, 1800 points, and the empty text after the last end
    EXPECT_EQ(lines[0], "s,PV,SP,MV");
    const LoopCurves& c = box->model().curves(ChartRow::Upper, 1);
    QList<QByteArray> point = lines[1000].split(',');
    ASSERT_EQ(point.size(), 4);
    EXPECT_EQ(point[0].toInt(), 999);
    EXPECT_EQ(point[1].toDouble(), c.pv[999]);
    EXPECT_EQ(point[2].toDouble(), c.sp[999]);
    EXPECT_EQ(point[3].toDouble(), c.co[999]);

    // A file that cannot be written is reported; a cancelled dialog writes nothing.
    platform.choices = {scratch.filePath("missing/folder/loop.png")};
    entries[3]->trigger();
    EXPECT_EQ(platform.messages.size(), 1);
    entries[4]->trigger();
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(FastSimulationWindowTest, TheChartsContextMenuExportsThatChart) {
    Open();
    Simulate();
    auto* chart = In<LoopChart>("ChartH1");
    QString path = scratch.filePath("lower.csv");
    platform.choices = {path};
    Q_EMIT chart->exportRequested(ExportFormat::Csv);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].fileName, "FIC-101(hist).csv");
    QFile csv(path);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), "s,PV,SP,MV\n");  // nothing loaded below yet
}

}  // namespace
}  // namespace vork::test
