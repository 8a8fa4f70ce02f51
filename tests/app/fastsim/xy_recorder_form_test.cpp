#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "app/fastsim/tregxy.h"
#include "app/support/app_fixture.h"
#include "plant/controller.h"

namespace vork::test {
namespace {

// The XY recorder's window, opened from its menu entry.
class XYRecorderForm : public AppTest {
  protected:
    void SetUp() override {
        Menu("RegistradorXY1");
        window = static_cast<TRegXY*>(app->windows().Window(PermanentWindow::XYRecorder));
        ASSERT_TRUE(window && window->isVisible());
    }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(*window, name);
    }
    void Choose(const QString& box, int position) {
        auto* combo = In<QComboBox>(box);
        combo->setCurrentIndex(position);
        Q_EMIT combo->activated(position);
    }
    std::pair<double, double> RangeX() { return {window->axisX()->min(), window->axisX()->max()}; }

    TRegXY* window = nullptr;
};

TEST_F(XYRecorderForm, ATenMinuteSweepPlotsSixThousandPointsAndTheScanGoesOn) {
    project().Fill({ObjectKind::Controller, 1});
    Choose("Presets", 2);                                     // COxMV [Malha 1]
    EXPECT_EQ(In<QComboBox>("ComboX")->currentIndex(), 0);    // M01
    EXPECT_EQ(In<QComboBox>("ComboY")->currentIndex(), 100);  // M101
    Choose("Presets", 3);  // COxPV [Malha 2]: no controller 2, nothing changes
    EXPECT_EQ(In<QComboBox>("ComboY")->currentIndex(), 100);

    app->document().SetRealTime(true);
    QSignalSpy progress(&app->document(), &ProjectDocument::progress);
    QTest::mouseClick(In<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(project().Object<XYRecorder>({ObjectKind::XYRecorder}).points.size(), 6000u);
    EXPECT_GE(progress.count(), 50);
    EXPECT_EQ(In<QProgressBar>("Gauge1")->value(), 100);
    EXPECT_TRUE(project().sim.scan.timerEnabled);
    EXPECT_TRUE(app->document().timer().isActive());
    app->document().SetRealTime(false);

    QTest::mouseClick(In<QToolButton>("SpeedButton4"), Qt::LeftButton);
    EXPECT_TRUE(project().Object<XYRecorder>({ObjectKind::XYRecorder}).points.empty());
}

TEST_F(XYRecorderForm, ZoomAndUndoZoomComeBackToTheFullScale) {
    QTest::mouseClick(In<QToolButton>("SpeedButton3"), Qt::LeftButton);
    EXPECT_EQ(RangeX(), std::pair(0.0, 100.0));
    QTest::mouseClick(In<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QWidget* plot = In<QChartView>("Chart1")->viewport();
    QRect area = plot->rect();
    QPoint from = area.center() - QPoint(60, 40), to = area.center() + QPoint(60, 40);
    QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, plot->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_GT(RangeX().first, 0.0);
    EXPECT_LT(RangeX().second, 100.0);
    QTest::mouseClick(In<QToolButton>("SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(RangeX(), std::pair(0.0, 100.0));
}

TEST_F(XYRecorderForm, DroppingDownAnAxisListReturnsToIndividualSelection) {
    project().Fill({ObjectKind::Controller, 1});
    Choose("Presets", 1);
    In<QComboBox>("ComboX")->showPopup();
    EXPECT_EQ(In<QComboBox>("Presets")->currentIndex(), 0);
    EXPECT_EQ(In<QComboBox>("ComboX")->currentIndex(), 0);
    EXPECT_EQ(In<QComboBox>("ComboX")->count(), 124);
    In<QComboBox>("ComboX")->hidePopup();
}

}  // namespace
}  // namespace vork::test
