#include <QAction>
#include <QImage>

#include "app/loops/loop_fixture.h"

namespace vork::test {
namespace {

// The plot of a trend exported as a picture, a drawing and its curves, from the export menu.
class TrendExport : public LoopWindows {
  protected:
    QString Exported(QWidget& window, const char* entry, const QString& name) {
        QString path = QDir(folder.path()).filePath(name);
        platform.choices = {path};
        auto* action = window.findChild<QAction*>(entry);
        EXPECT_NE(action, nullptr) << entry;
        if (action) action->trigger();
        return path;
    }
};

TEST_F(TrendExport, TheFaceplateTrendIsWrittenAsPngSvgAndCsv) {
    TControlador& w = Controller();
    Tick(30);
    QImage png(Exported(w, "ExportPNG", "loop.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(450, 201));
    // The newest PV sample, at 40 % of the scale, in red at the right edge.
    EXPECT_EQ(png.pixelColor(449, 200 - 80), QColor(Qt::red));

    QString svg = FileText(Exported(w, "ExportSVG", "loop.svg"));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("polyline"));

    // A name typed without extension takes the format's.
    QStringList rows =
        FileText(Exported(w, "ExportCSV", "loop") + ".csv").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 31);  // the titles and the 30 samples taken
    EXPECT_EQ(rows[0], "Tempo (s),PV,SP,CO,Pos. Atuador");
    EXPECT_TRUE(rows[1].startsWith("0.0,200.000,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[30].startsWith("2.9,200.000,")) << rows[30].toStdString();
}

TEST_F(TrendExport, TheRecorderExportsItsSelectedPens) {
    TRegistrForm& w = Recorder();
    w.model().Edit([](TrendRecorderFields& f) {
        f.Variavel1Select = 20;  // M21
        f.penText1 = "Flow, total";
    });
    project().sim.vars.Write(21, 25.0);
    Tick(5);
    QStringList rows =
        FileText(Exported(w, "ExportCSV", "pens.csv")).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], "Tempo (s),\"Flow, total\"");
    EXPECT_EQ(rows[5], "0.4,25.000");
    EXPECT_FALSE(QImage(Exported(w, "ExportPNG", "pens.png")).isNull());
}

TEST_F(TrendExport, ACancelledDialogWritesNothingAndAFailedWriteIsReported) {
    TControlador& w = Controller();
    platform.choices.clear();
    w.findChild<QAction*>("ExportCSV")->trigger();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    Exported(w, "ExportPNG", "missing/folder/loop.png");
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains("loop.png"));
}

}  // namespace
}  // namespace vork::test
