#include "app/fastsim/tregxy.h"

#include <QChart>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/engine/refilled_box.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"

namespace vork {

namespace {

QLabel* NamedLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    return label;
}

QToolButton* ToolButton(const char* name, const char* text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QString::fromUtf8(text));
    return button;
}

void Select(QComboBox* box, int position) {
    if (box->currentIndex() == position) return;
    QSignalBlocker quiet(box);
    box->setCurrentIndex(position);
}

// The axis range that holds every value, 0..100 while there is none.
std::pair<double, double> Bounds(const std::vector<XYPoint>& points, double XYPoint::*axis) {
    if (points.empty()) return {0.0, 100.0};
    auto [low, high] = std::minmax_element(
        points.begin(), points.end(),
        [axis](const XYPoint& a, const XYPoint& b) { return a.*axis < b.*axis; });
    double from = (*low).*axis, to = (*high).*axis;
    if (from == to) return {from - 1.0, to + 1.0};
    return {from, to};
}

}  // namespace

TRegXY::TRegXY(AppContext& context) : context_(context), model_(context.project()) {
    setObjectName("RegXY");
    // Closed only by its own button; stays above the synoptic.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setWindowTitle("Registrador XY");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSelectors());
    layout->addWidget(BuildRunArea());
    layout->addWidget(BuildChart(), 1);
    ApplyWindowTexts(*this, kXYRecorderWindowTexts, model_.textLanguage());

    connect(&context.document, &ProjectDocument::progress, this,
            [this](ProgressKind kind, int percent) {
                if (kind != ProgressKind::XYSweep) return;
                if (gauge_->value() == percent) return;
                gauge_->setValue(percent);
                gauge_->repaint();  // the sweep holds the event loop
            });
    connect(&context.document, &ProjectDocument::objectChanged, this, [this](ObjectRef ref) {
        if (ref.kind == ObjectKind::XYRecorder) Sync();
    });
    connect(&context.document, &ProjectDocument::projectReplaced, this, &TRegXY::Sync);
    Sync();
}

QWidget* TRegXY::BuildSelectors() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    presets_ = new QComboBox(area);
    presets_->setObjectName("Presets");
    for (const std::string& item : XYRecorderWindow::PresetItems())
        presets_->addItem(FromStd(item));
    connect(presets_, &QComboBox::activated, this, [this](int position) {
        model_.ChoosePreset(position);
        Sync();
    });
    comboX_ = AddAxisBox(XYAxis::X, "ComboX");
    comboY_ = AddAxisBox(XYAxis::Y, "ComboY");
    auto* exit = new QPushButton(area);
    exit->setObjectName("SairButton");
    connect(exit, &QPushButton::clicked, this, &QWidget::hide);
    grid->addWidget(NamedLabel("Label2", "Presets:", area), 0, 0);
    grid->addWidget(presets_, 0, 1);
    grid->addWidget(NamedLabel("Label8", "var X:", area), 0, 2);
    grid->addWidget(comboX_, 0, 3);
    grid->addWidget(NamedLabel("Label1", "var Y:", area), 0, 4);
    grid->addWidget(comboY_, 0, 5);
    grid->setColumnStretch(6, 1);
    grid->addWidget(exit, 0, 7);
    return area;
}

QComboBox* TRegXY::AddAxisBox(XYAxis axis, const char* name) {
    auto* box = new RefilledBox(
        [this, axis] {
            model_.DropDownAxis(axis);
            QComboBox* shown = axis == XYAxis::X ? comboX_ : comboY_;
            QSignalBlocker quiet(shown);
            shown->clear();
            for (const std::string& entry : model_.variableList())
                shown->addItem(FromStd(entry));
            Sync();
        },
        this);
    box->setObjectName(name);
    box->setToolTip("Seleciona Endereço da Variável de Entrada do Bloco");
    for (const std::string& entry : model_.variableList())
        box->addItem(FromStd(entry));
    connect(box, &QComboBox::activated, this, [this, axis](int position) {
        model_.ChooseAxis(axis, position);
        Sync();
    });
    return box;
}

QWidget* TRegXY::BuildRunArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    window_ = new QComboBox(area);
    window_->setObjectName("JanelaComboBox");
    for (const std::string& item : XYRecorderWindow::WindowItems())
        window_->addItem(FromStd(item));
    connect(window_, &QComboBox::activated, this,
            [this](int position) { model_.ChooseWindow(position); });
    register_ = new QPushButton(area);
    register_->setObjectName("Button1");
    connect(register_, &QPushButton::clicked, this, &TRegXY::Register);
    gauge_ = new QProgressBar(area);
    gauge_->setObjectName("Gauge1");
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    QToolButton* clear = ToolButton("SpeedButton4", "Limpar", area);
    connect(clear, &QToolButton::clicked, this, [this] {
        model_.Clear();
        ShowPoints();
    });
    QToolButton* fixed = ToolButton("SpeedButton3", "0-100%", area);
    connect(fixed, &QToolButton::clicked, this, [this] {
        model_.ApplyFixedScale();
        ScaleAxes();
    });
    QToolButton* zoom = ToolButton("SpeedButton1", "Zoom", area);
    connect(zoom, &QToolButton::clicked, this, [this] {
        model_.EnableZoom();
        chartView_->setRubberBand(QChartView::RectangleRubberBand);
    });
    QToolButton* unzoom = ToolButton("SpeedButton2", "1:1", area);
    connect(unzoom, &QToolButton::clicked, this, [this] {
        model_.UndoZoom();
        chartView_->chart()->zoomReset();
        ScaleAxes();
    });
    row->addWidget(NamedLabel("Label36", "Janela:", area));
    row->addWidget(window_);
    row->addWidget(register_);
    row->addWidget(gauge_, 1);
    for (QToolButton* button : {clear, fixed, zoom, unzoom})
        row->addWidget(button);
    return area;
}

QWidget* TRegXY::BuildChart() {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    series_ = new QScatterSeries(chart);
    series_->setObjectName("Series1");
    series_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    series_->setMarkerSize(1.0);
    series_->setColor(Qt::red);
    series_->setBorderColor(Qt::red);
    chart->addSeries(series_);
    axisX_ = new QValueAxis(chart);
    axisY_ = new QValueAxis(chart);
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);
    series_->attachAxis(axisX_);
    series_->attachAxis(axisY_);
    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName("Chart1");
    chartView_->setMinimumSize(480, 320);
    ScaleAxes();
    return chartView_;
}

void TRegXY::Sync() {
    const XYFields& f = model_.fields();
    Select(presets_, f.Presets);
    Select(comboX_, f.ComboX);
    Select(comboY_, f.ComboY);
    Select(window_, f.JanelaComboBox);
    register_->setEnabled(model_.registerEnabled);
    ShowPoints();
}

void TRegXY::Register() {
    register_->setEnabled(false);  // no second sweep from a queued click
    model_.Register();
    context_.document.SyncTimer();
    Sync();
}

void TRegXY::ShowPoints() {
    const std::vector<XYPoint>& points = model_.points();
    if (points.size() == shownPoints_) return;
    // One replacement redraws once; appending point by point would redraw for each.
    QList<QPointF> shown;
    shown.reserve(static_cast<qsizetype>(points.size()));
    for (const XYPoint& p : points)
        shown.append(QPointF(p.x, p.y));
    series_->replace(shown);
    shownPoints_ = points.size();
    ScaleAxes();
}

void TRegXY::ScaleAxes() {
    if (model_.fixedScale) {
        axisX_->setRange(0.0, 100.0);
        axisY_->setRange(0.0, 100.0);
        return;
    }
    auto [xFrom, xTo] = Bounds(model_.points(), &XYPoint::x);
    auto [yFrom, yTo] = Bounds(model_.points(), &XYPoint::y);
    axisX_->setRange(xFrom, xTo);
    axisY_->setRange(yFrom, yTo);
}

void TRegXY::showEvent(QShowEvent* event) {
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

}  // namespace vork
