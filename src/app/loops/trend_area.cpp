#include "app/loops/trend_area.h"

#include <QFile>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/std_text.h"
#include "app/window_texts.h"

namespace vork {

namespace {

constexpr int kPlotX = 62, kPlotY = 10;
constexpr int kRow1 = kPlotY + TrendView::kHeight + 25;  // under the axis titles
constexpr int kRowStep = 26;

// The fixed percent axis: StaticText7 reads 100, then 90 down to 0.
constexpr const char* kPercentNames[] = {
    "StaticText7", "StaticText2", "StaticText3",  "StaticText4",  "StaticText5", "StaticText6",
    "StaticText8", "StaticText9", "StaticText10", "StaticText11", "StaticText12"};

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
    // A field being typed in keeps what the user typed.
    if (!edit->hasFocus() && edit->text() != FromStd(text)) edit->setText(FromStd(text));
}

void SetChecked(QCheckBox* box, bool checked) {
    QSignalBlocker quiet(box);
    box->setChecked(checked);
}

}  // namespace

TrendArea::TrendArea(AppContext& context, TrendPanel& panel, const TrendAreaNames& names,
                     QWidget* parent)
    : QWidget(parent), context_(context), panel_(panel) {
    setFixedSize(kWidth, kRow1 + 3 * kRowStep);
    view_ = new TrendView(panel, this);
    view_->move(kPlotX, kPlotY);
    BuildAxis(names);
    BuildControls(names);
    BuildCursorPanel();
    BuildExportMenu();
    connect(view_, &TrendView::clicked, this, [this](QPoint at) {
        panel_.ImageClick(at.x(), at.y());
        Sync();
    });
    connect(view_, &TrendView::doubleClicked, this, &TrendArea::plotDoubleClicked);
    connect(view_, &TrendView::menuRequested, this, [this](QPoint at) { exportMenu_->popup(at); });
    blink_.setParent(this);  // found by its name; destroyed as a member before the children
    blink_.setObjectName("Timer1");
    blink_.setInterval(500);
    connect(&blink_, &QTimer::timeout, this, [this] {
        panel_.Timer1Tick();
        indicator_->setVisible(panel_.archiveIndicatorVisible);
    });
}

QLabel* TrendArea::AddLabel(const QString& name, const QString& text, QRect at,
                            Qt::Alignment align) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(at);
    label->setAlignment(align);
    return label;
}

void TrendArea::BuildAxis(const TrendAreaNames& names) {
    auto scaleText = [this](const char* name, int y) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setGeometry(0, y, kPlotX - 2, 20);
        edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
            (edit == top_ ? panel_.eSupText : panel_.eInfText) = text.toStdString();
        });
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            panel_.ApplyManualScale();
            Sync();
        });
        return edit;
    };
    top_ = scaleText("eSupText", 0);
    bottom_ = scaleText("eInfText", kPlotY + TrendRing::kHeight - 10);
    Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int k = 0; k < TrendPanel::kAxisLabels; ++k)
        axis_[static_cast<size_t>(k)] =
            AddLabel(QString("Label%1").arg(names.firstAxisLabel + k), QString(),
                     QRect(0, kPlotY + 20 * (k + 1) - 8, kPlotX - 4, 16), right);
    int percentX = kPlotX + TrendView::kWidth + 3;
    for (int j = 0; j <= 10; ++j)
        AddLabel(kPercentNames[j], QString::number(100 - 10 * j),
                 QRect(percentX, kPlotY + 20 * j - 8, kWidth - percentX, 16));
    int under = kPlotY + TrendView::kHeight + 1;
    // The recorder names its percent axis (StaticText13) and its scaled axis (StaticText14).
    QRect left(0, under + 9, kPlotX - 2, 16), atRight(kWidth - 50, under + 9, 50, 16);
    AddLabel("StaticText13", names.yTitle, names.titlesAtAxes ? atRight : left,
             names.titlesAtAxes ? right : Qt::AlignLeft | Qt::AlignVCenter);
    AddLabel("StaticText14", names.xTitle,
             names.titlesAtAxes ? left : QRect(kPlotX + TrendView::kWidth - 150, under, 150, 16),
             names.titlesAtAxes ? Qt::AlignLeft | Qt::AlignVCenter : right);
    indicator_ =
        AddLabel("Label21", FromStd(panel_.archiveIndicator), QRect(kPlotX, under, 280, 16));
    indicator_->setStyleSheet("color: red");
    indicator_->hide();
}

void TrendArea::BuildControls(const TrendAreaNames& names) {
    AddLabel("Label17", "Tempo: 1 divisão =", QRect(kPlotX, kRow1, 100, 22))->hide();
    timeBase_ = new QComboBox(this);
    timeBase_->setObjectName("BaseTempoBox");
    timeBase_->addItems({"3 segundos", "9 segundos", "1 minuto"});
    timeBase_->setGeometry(kPlotX, kRow1, 100, 22);
    connect(timeBase_, &QComboBox::activated, this, [this](int position) {
        panel_.BaseTempoBoxChange(position);
        Sync();
    });
    auto box = [this](const char* name, const QString& text, QRect at) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(name);
        b->setGeometry(at);
        return b;
    };
    thick_ = box("CheckBox2", "Linha Grossa", QRect(kPlotX + 106, kRow1, 106, 22));
    connect(thick_, &QCheckBox::toggled, this, [this](bool on) {
        panel_.thickLines = on;
        view_->update();
    });
    AddLabel("StaticText1", "Escala", QRect(kPlotX + 214, kRow1, 44, 22),
             Qt::AlignRight | Qt::AlignVCenter);
    autoScale_ = box("EscalaAuto", "Auto", QRect(kPlotX + 262, kRow1, 56, 22));
    connect(autoScale_, &QCheckBox::clicked, this, &TrendArea::autoScaleClicked);
    pause_ = new QToolButton(this);
    pause_->setObjectName(names.pauseButton);
    pause_->setText("II");
    pause_->setCheckable(true);
    pause_->setGeometry(kPlotX + 322, kRow1, 28, 22);
    connect(pause_, &QToolButton::clicked, this, [this] {
        panel_.PauseClick();
        Sync();
    });
    ownerRow_ = new QWidget(this);
    ownerRow_->setGeometry(kPlotX, kRow1 + kRowStep, kWidth - kPlotX, 22);
    archive_ = box("CheckBox1", "Arquivar", QRect());
    connect(archive_, &QCheckBox::clicked, this, &TrendArea::archiveClicked);
    comma_ = box("UsarVirgula", "Utilizar ',' como separador decimal", QRect());
    connect(comma_, &QCheckBox::clicked, this, [this](bool on) { panel_.UsarVirgulaClick(on); });
    units_ = box("UsarUE", "Salvar valores em Unid. de Eng.", QRect());
    connect(units_, &QCheckBox::clicked, this, [this](bool on) { panel_.UsarUEClick(on); });
    PlaceArchiveRow();
}

// The archive boxes side by side at their texts' widths, from the area's left edge.
void TrendArea::PlaceArchiveRow() {
    int x = 0, y = kRow1 + 2 * kRowStep;
    for (QCheckBox* box : {archive_, comma_, units_}) {
        int width = box->sizeHint().width();
        box->setGeometry(x, y, width, 22);
        x += width + 8;
    }
}

void TrendArea::BuildCursorPanel() {
    cursorPanel_ = new QFrame(this);
    cursorPanel_->setObjectName("Panel3");
    cursorPanel_->setFrameShape(QFrame::Panel);
    cursorPanel_->setFrameShadow(QFrame::Raised);
    cursorPanel_->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(cursorPanel_);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(0);
    for (int n = 1; n <= TrendPanel::kCursorPoints; ++n) {
        auto* label = new QLabel(cursorPanel_);
        label->setObjectName(QString("CoodsText%1").arg(n));
        column->addWidget(label);
        cursorLabels_[static_cast<size_t>(n - 1)] = label;
    }
    cursorPanel_->setGeometry(kPlotX + TrendView::kWidth - 192, kPlotY + 2, 190, 104);
    cursorPanel_->hide();
}

void TrendArea::BuildExportMenu() {
    exportMenu_ = new QMenu(this);
    auto entry = [this](const char* name, bool (TrendArea::*run)()) {
        QAction* action = exportMenu_->addAction(QString());
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
    };
    entry("ExportPNG", &TrendArea::ExportPng);
    entry("ExportSVG", &TrendArea::ExportSvg);
    entry("ExportCSV", &TrendArea::ExportCsv);
    auto* button = new QToolButton(this);
    button->setObjectName("ExportBTN");
    button->setMenu(exportMenu_);
    button->setPopupMode(QToolButton::InstantPopup);
    exportButton_ = button;
    ApplyTexts(context_.language());
}

void TrendArea::ApplyTexts(Language language) {
    ApplyWindowTexts(*this, kTrendExportTexts, language);
    int width = exportButton_->sizeHint().width();
    exportButton_->setGeometry(kWidth - width, kRow1, width, 22);
    PlaceArchiveRow();
}

void TrendArea::SetCurves(std::function<std::vector<TrendCurve>()> curves,
                          std::function<QString()> fileStem) {
    curves_ = std::move(curves);
    fileStem_ = std::move(fileStem);
}

void TrendArea::Sync() {
    SetTextIfChanged(top_, panel_.eSupText);
    SetTextIfChanged(bottom_, panel_.eInfText);
    for (size_t k = 0; k < axis_.size(); ++k)
        axis_[k]->setText(FromStd(panel_.axisLabels[k]));
    const Trend& trend = panel_.data();
    {
        QSignalBlocker quiet(timeBase_);
        timeBase_->setCurrentIndex(trend.settings.BaseTempoBox);
    }
    SetChecked(autoScale_, trend.settings.EscalaAuto);
    SetChecked(thick_, panel_.thickLines);
    SetChecked(comma_, trend.settings.UsarVirgula);
    SetChecked(units_, trend.settings.UsarUE);
    SetChecked(archive_, panel_.archiveChecked);
    archive_->setEnabled(panel_.archiveEnabled);
    for (QWidget* locked : std::initializer_list<QWidget*>{top_, bottom_, pause_, timeBase_})
        locked->setEnabled(panel_.archiveLockedControlsEnabled);
    pause_->setChecked(trend.ring.paused);
    cursorPanel_->setVisible(panel_.cursorPanelVisible);
    cursorPanel_->raise();
    for (size_t n = 0; n < cursorLabels_.size(); ++n)
        cursorLabels_[n]->setText(FromStd(panel_.cursorLabels[n]));
    indicator_->setText(FromStd(panel_.archiveIndicator));
    SyncTimer();
    view_->update();
}

void TrendArea::SyncTimer() {
    if (panel_.blinking && !blink_.isActive()) blink_.start();
    if (!panel_.blinking) {
        blink_.stop();
        indicator_->hide();
    }
}

QString TrendArea::ChosenFile(const char* filter, const QString& extension) {
    QString stem = fileStem_ ? fileStem_() : QString("trend");
    FileDialog dialog{QString(), QString(), stem + extension, filter};
    QString chosen = context_.platform.SaveFileName(dialog);
    if (!chosen.isEmpty() && !chosen.contains('.')) chosen += extension;
    return chosen;
}

bool TrendArea::ExportPng() {
    QString path = ChosenFile("Imagem PNG (*.png)|*.png", ".png");
    if (path.isEmpty()) return false;
    if (view_->Picture().save(path, "PNG")) return true;
    context_.platform.Message("Não foi possível gravar " + path);
    return false;
}

bool TrendArea::ExportSvg() {
    QString path = ChosenFile("Imagem SVG (*.svg)|*.svg", ".svg");
    if (path.isEmpty()) return false;
    if (view_->SaveSvg(path, window()->windowTitle())) return true;
    context_.platform.Message("Não foi possível gravar " + path);
    return false;
}

bool TrendArea::ExportCsv() {
    QString path = ChosenFile("Arquivo CSV (*.csv)|*.csv", ".csv");
    if (path.isEmpty()) return false;
    QFile file(path);
    std::string csv = TrendCurvesCsv(panel_, curves_ ? curves_() : std::vector<TrendCurve>{});
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()))
        return true;
    context_.platform.Message("Não foi possível gravar " + path);
    return false;
}

}  // namespace vork
