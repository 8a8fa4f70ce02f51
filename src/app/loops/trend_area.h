#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "app/app_context.h"
#include "app/loops/trend_view.h"
#include "windows/trend_curves.h"

namespace vork {

// How a window names the trend area's controls.
struct TrendAreaNames {
    int firstAxisLabel;       // Label3 on the faceplate, Label2 on the recorder
    const char* pauseButton;  // SpeedButton2, SpeedButton1
    const char* yTitle;       // StaticText13
    const char* xTitle;       // StaticText14
    bool titlesAtAxes;        // the titles under the percent axis and the scaled axis
};

// The trend area of the controller faceplate and of the trend recorder, around the one plot
// view: scale texts and axis labels, the fixed percent axis, time base, "Linha Grossa", the auto
// scale box, the pause with its cursor readings, the archive boxes and their blinking indicator,
// and the export of the plot and its curves. What the owner decides (the auto scale, the
// archive, a double click) comes out as signals; the rest goes to the panel.
class TrendArea : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 541;

    TrendArea(AppContext& context, TrendPanel& panel, const TrendAreaNames& names, QWidget* parent);

    TrendView& view() { return *view_; }
    // A row under the time base for the owner's own check boxes.
    QWidget& ownerRow() { return *ownerRow_; }
    // The curves the CSV export writes, and the name its files are proposed under.
    void SetCurves(std::function<std::vector<TrendCurve>()> curves,
                   std::function<QString()> fileStem);

    // The export button and menu in `language`.
    void ApplyTexts(Language language);
    // Every control as the panel says, and the plot repainted.
    void Sync();
    // Ends a blinking archive indicator's timer when the archive stops.
    void SyncTimer();

    // The exports, to the file chosen in the save dialog; false when nothing was written.
    bool ExportPng();
    bool ExportSvg();
    bool ExportCsv();

  Q_SIGNALS:
    void autoScaleClicked(bool checked);
    void archiveClicked(bool checked);
    void plotDoubleClicked();

  private:
    void BuildAxis(const TrendAreaNames& names);
    void BuildControls(const TrendAreaNames& names);
    void BuildCursorPanel();
    void BuildExportMenu();
    void PlaceArchiveRow();
    QLabel* AddLabel(const QString& name, const QString& text, QRect at,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    QString ChosenFile(const char* filter, const QString& extension);

    AppContext& context_;
    TrendPanel& panel_;
    TrendView* view_ = nullptr;
    QLineEdit* top_ = nullptr;     // eSupText
    QLineEdit* bottom_ = nullptr;  // eInfText
    std::array<QLabel*, TrendPanel::kAxisLabels> axis_{};
    QComboBox* timeBase_ = nullptr;  // BaseTempoBox
    QCheckBox* thick_ = nullptr;     // CheckBox2
    QCheckBox* autoScale_ = nullptr;
    QToolButton* pause_ = nullptr;
    QFrame* cursorPanel_ = nullptr;  // Panel3
    std::array<QLabel*, TrendPanel::kCursorPoints> cursorLabels_{};
    QCheckBox* archive_ = nullptr;  // CheckBox1
    QCheckBox* comma_ = nullptr;    // UsarVirgula
    QCheckBox* units_ = nullptr;    // UsarUE
    QLabel* indicator_ = nullptr;   // Label21
    QTimer blink_;                  // Timer1
    QWidget* ownerRow_ = nullptr;
    QMenu* exportMenu_ = nullptr;
    QToolButton* exportButton_ = nullptr;
    std::function<std::vector<TrendCurve>()> curves_;
    std::function<QString()> fileStem_;
};

}  // namespace vork
