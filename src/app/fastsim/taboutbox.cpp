#include "app/fastsim/taboutbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/fastsim/chart_export.h"
#include "app/fastsim/loop_chart.h"
#include "app/help/web_links.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "windows/main_window.h"

namespace vork {

namespace {

constexpr QSize kDefaultSize{950, 650};

template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QProgressBar* Gauge(QWidget* parent, const char* name) {
    auto* gauge = Named(new QProgressBar(parent), name);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    gauge->setTextVisible(false);
    gauge->setMaximumHeight(14);
    return gauge;
}

// Input and window closing, swallowed while the plant runs offline.
bool RefusedWhileBusy(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

TAboutBox::TAboutBox(AppContext& context)
    : context_(context), model_(context.project(), context.main.fastSimulationResults) {
    setObjectName("AboutBox");
    setWindowFlag(Qt::Window);
    resize(kDefaultSize);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildInputPanel());
    left->addWidget(BuildIndicesPanel());
    left->addStretch(1);
    layout->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildArchiveRow(ChartRow::Upper));
    right->addWidget(upperBook_ = BuildNotebook(ChartRow::Upper), 1);
    right->addWidget(BuildChartTools());
    right->addWidget(BuildArchiveRow(ChartRow::Lower));
    right->addWidget(lowerBook_ = BuildNotebook(ChartRow::Lower), 1);
    layout->addLayout(right, 1);

    connect(&context.document, &ProjectDocument::progress, this,
            [this](ProgressKind kind, int percent) {
                if (kind == ProgressKind::FastSimulation && model_.running())
                    ShowProgress(gauge_, percent);
            });
    ApplyTexts();
    SyncInputs();
    SyncIndices();
}

QWidget* TAboutBox::BuildInputPanel() {
    auto* panel = Named(new QWidget(this), "Panel1");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    window_ = Named(new QComboBox(panel), "JanelaComboBox");
    for (const char* entry : kWindowEntries)
        window_->addItem(entry);
    connect(window_, &QComboBox::activated, this, [this](int position) {
        model_.ChooseWindow(position);
        step_->setCurrentIndex(model_.stepPosition());
    });
    step_ = Named(new QComboBox(panel), "TACombo");
    for (const char* entry : kStepEntries)
        step_->addItem(entry);
    connect(step_, &QComboBox::activated, this, [this](int p) { model_.ChooseStep(p); });
    signal_ = Named(new QComboBox(panel), "SinalTesteCombo");
    signal_->setEditable(true);
    for (int i = 0; i < 4; ++i)
        signal_->addItem(QString());
    connect(signal_, &QComboBox::currentIndexChanged, this, [this](int item) {
        model_.ChooseSignal(item);
        SyncInputs();
    });
    amplitudeLabel_ = Named(new QLabel(panel), "SinalTesteTxt");
    amplitude_ = Named(new QLineEdit(panel), "SinalTesteValor");
    connect(amplitude_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.amplitude = text.toStdString(); });
    simulate_ = Named(new QPushButton(panel), "BTNSimular");
    connect(simulate_, &QPushButton::clicked, this, &TAboutBox::Simulate);
    gauge_ = Gauge(panel, "Gauge1");
    archive_ = Named(new QCheckBox(panel), "CheckArquivar");
    connect(archive_, &QCheckBox::toggled, this, [this](bool on) { model_.archive = on; });
    baseName_ = Named(new QLineEdit(panel), "Edit2");
    connect(baseName_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.baseName = text.toStdString(); });
    completion_ = Named(new QLabel(panel), "Label5");
    normalize_ = Named(new QCheckBox(panel), "Normaliza");
    connect(normalize_, &QCheckBox::toggled, this, [this](bool on) { model_.normalize = on; });

    grid->addWidget(Named(new QLabel(panel), "JanelaLabel"), 0, 0);
    grid->addWidget(window_, 0, 1);
    grid->addWidget(Named(new QLabel(panel), "TALabel"), 1, 0);
    grid->addWidget(step_, 1, 1);
    grid->addWidget(signal_, 2, 0, 1, 2);
    grid->addWidget(amplitudeLabel_, 3, 0);
    grid->addWidget(amplitude_, 3, 1);
    grid->addWidget(simulate_, 4, 0, 1, 2);
    grid->addWidget(gauge_, 5, 0, 1, 2);
    grid->addWidget(archive_, 6, 0);
    grid->addWidget(normalize_, 6, 1);
    grid->addWidget(Named(new QLabel(panel), "Label3"), 7, 0);
    grid->addWidget(baseName_, 7, 1);
    grid->addWidget(completion_, 8, 0, 1, 2);
    return panel;
}

QWidget* TAboutBox::BuildIndicesPanel() {
    auto* panel = Named(new QWidget(this), "Panel4");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setHorizontalSpacing(4);
    auto* title = Named(new QLabel(panel), "Label9");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 3);
    grid->addWidget(Named(new QLabel(panel), "Label17"), 1, 1, 1, 2);
    grid->addWidget(Named(new QLabel(panel), "Label18"), 2, 1, 1, 2);
    const char* captions[] = {"Label16", "StaticText1", "Label15", "Label14",
                              "Label13", "Label12",     "Label11"};
    for (size_t i = 0; i < kIndexFields.size(); ++i) {
        auto* caption = Named(new QLabel(panel), captions[i]);
        caption->setWordWrap(true);
        caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance("CO Standard Dev"));
        grid->addWidget(caption, static_cast<int>(i) + 3, 0);
        for (bool upper : {true, false}) {
            const IndexField& f = kIndexFields[i];
            auto* field = Named(new QLineEdit(panel), upper ? f.upper : f.lower);
            field->setReadOnly(true);
            field->setFixedWidth(field->fontMetrics().horizontalAdvance("100.0/100.0/100.0") + 14);
            grid->addWidget(field, static_cast<int>(i) + 3, upper ? 1 : 2);
            (upper ? upperFields_ : lowerFields_)[i] = field;
        }
    }
    grid->setColumnStretch(0, 1);
    return panel;
}

QWidget* TAboutBox::BuildArchiveRow(ChartRow row) {
    bool upper = row == ChartRow::Upper;
    auto* area = new QWidget(this);
    auto* line = new QHBoxLayout(area);
    line->setContentsMargins(0, 0, 0, 0);
    auto* list = Named(new QComboBox(area), upper ? "ComboBox2" : "ComboBox1");
    list->setEditable(upper);
    list->setMinimumWidth(220);
    list->installEventFilter(this);
    auto* load = Named(new QPushButton(area), upper ? "Button1" : "BTNCarregar");
    connect(load, &QPushButton::clicked, this, [this, row] { LoadArchive(row); });
    QProgressBar* gauge = Gauge(area, upper ? "Gauge2" : "Gauge3");
    gauge->setMaximumWidth(160);
    line->addWidget(Named(new QLabel(area), upper ? "Label2" : "Label10"));
    line->addWidget(list);
    line->addWidget(load);
    line->addWidget(gauge);
    line->addStretch(1);
    (upper ? upperList_ : lowerList_) = list;
    (upper ? upperGauge_ : lowerGauge_) = gauge;
    return area;
}

QTabWidget* TAboutBox::BuildNotebook(ChartRow row) {
    bool upper = row == ChartRow::Upper;
    auto* book = Named(new QTabWidget(this), upper ? "TabbedNotebook1" : "TabbedNotebook2");
    book->setUsesScrollButtons(true);
    for (int loop = 1; loop <= 10; ++loop) {
        auto* chart = new LoopChart(model_, row, loop, book);
        connect(chart, &LoopChart::zoomChanged, this, [this, loop] {
            RepaintLoop(loop);
            SyncZoomButton();
        });
        connect(chart, &LoopChart::exportRequested, this,
                [this, row, loop](ExportFormat f) { ExportChart(context_, model_, row, loop, f); });
        book->addTab(chart, QString());
        (upper ? upperCharts_ : lowerCharts_)[loop - 1] = chart;
    }
    connect(book->tabBar(), &QTabBar::tabBarClicked, this, [this, upper](int page) {
        if (page < 0) return;
        if (upper) {
            model_.UpperPageClick(page);
            lowerBook_->setCurrentIndex(model_.lowerPage());
        } else {
            model_.LowerPageClick(page);
        }
        SyncIndices();
    });
    return book;
}

QWidget* TAboutBox::BuildChartTools() {
    auto* area = new QWidget(this);
    auto* line = new QHBoxLayout(area);
    line->setContentsMargins(0, 0, 0, 0);
    auto tool = [area, line](const char* name, const QString& text) {
        auto* button = Named(new QToolButton(area), name);
        button->setText(text);
        line->addWidget(button);
        return button;
    };
    zoomButton_ = tool("SpeedButton1", "Zoom");
    connect(zoomButton_, &QToolButton::clicked, this, [this] {
        model_.ArmZoom();
        SyncZoomButton();
    });
    connect(tool("SpeedButton2", "1:1"), &QToolButton::clicked, this, [this] {
        model_.UndoZoom();
        RepaintCharts();
    });
    connect(tool("SpeedButton3", "0-100"), &QToolButton::clicked, this, [this] {
        model_.FixedScale();
        RepaintLoop(model_.upperPage() + 1);
    });
    connect(tool("SpeedButton4", "?"), &QToolButton::clicked, this,
            [this] { OpenWebPage(context_, web_page::kFastSimulation); });
    hideCOs_ = Named(new QCheckBox(area), "CheckBox1");
    connect(hideCOs_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!checked) return;
        model_.HideCOs();
        RepaintCharts();
    });
    line->addWidget(hideCOs_);
    line->addWidget(Named(new QLabel(area), "PaginaLabel"));
    auto* points = Named(new QComboBox(area), "PtsPag");
    for (const char* entry : kPageEntries)
        points->addItem(entry);
    points->setCurrentIndex(model_.pointsPosition());
    connect(points, &QComboBox::activated, this, [this](int position) {
        model_.ChoosePointsPerPage(position);
        RepaintCharts();
    });
    line->addWidget(points);
    auto* pages = Named(new QWidget(area), "SelPage");
    auto* arrows = new QHBoxLayout(pages);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (bool next : {false, true}) {
        auto* arrow = Named(new QToolButton(pages), next ? "SelPageNext" : "SelPagePrev");
        arrow->setArrowType(next ? Qt::RightArrow : Qt::LeftArrow);
        arrows->addWidget(arrow);
        connect(arrow, &QToolButton::clicked, this, [this, next] {
            next ? model_.NextPage() : model_.PreviousPage();
            RepaintLoop(model_.upperPage() + 1);
        });
    }
    line->addWidget(pages);
    auto* replicate = Named(new QCheckBox(area), "replicarzoom");
    replicate->setChecked(model_.replicateZoom);
    connect(replicate, &QCheckBox::toggled, this, [this](bool on) { model_.replicateZoom = on; });
    line->addWidget(replicate);
    line->addStretch(1);
    auto* exporter = Named(new QPushButton(area), "ExportarBTN");
    exporter->setMenu(new QMenu(exporter));
    line->addWidget(exporter);
    return area;
}

void TAboutBox::ApplyTexts() {
    ApplyWindowTexts(*this, kFastSimulationTexts, model_.language());
    setWindowTitle(FromStd(model_.caption()));
    for (int loop = 1; loop <= 10; ++loop) {
        upperBook_->setTabText(loop - 1, FromStd(model_.tabCaption(ChartRow::Upper, loop)));
        lowerBook_->setTabText(loop - 1, FromStd(model_.tabCaption(ChartRow::Lower, loop)));
    }
    auto* exporter = findChild<QPushButton*>("ExportarBTN");
    QMenu* menu = exporter->menu();
    menu->clear();
    for (ChartRow row : {ChartRow::Upper, ChartRow::Lower}) {
        menu->addSection(QString::fromStdString(
            model_.Text(row == ChartRow::Upper ? "export:upper" : "export:lower")));
        for (const auto& [component, format] : kExportEntries) {
            ExportFormat chosen = format;
            connect(menu->addAction(QString::fromStdString(model_.Text(component))),
                    &QAction::triggered, this, [this, row, chosen] { ExportShown(row, chosen); });
        }
    }
}

void TAboutBox::ShowFromMain() {
    resize(kDefaultSize);
    showMaximized();
    raise();
}

void TAboutBox::SyncInputs() {
    window_->setCurrentIndex(model_.windowPosition());
    step_->setCurrentIndex(model_.stepPosition());
    {
        QSignalBlocker quiet(signal_);
        signal_->setCurrentIndex(model_.signalItem());
    }
    amplitudeLabel_->setVisible(model_.amplitudeVisible());
    amplitude_->setVisible(model_.amplitudeVisible());
    if (amplitude_->text() != FromStd(model_.amplitude))
        amplitude_->setText(FromStd(model_.amplitude));
    archive_->setChecked(model_.archive);
    if (baseName_->text() != FromStd(model_.baseName)) {
        baseName_->setText(FromStd(model_.baseName));
        baseName_->setCursorPosition(0);
    }
    completion_->setText(FromStd(model_.completion()));
    normalize_->setChecked(model_.normalize);
}

void TAboutBox::SyncIndices() {
    for (size_t i = 0; i < kIndexFields.size(); ++i) {
        IndexColumn column = kIndexFields[i].column;
        upperFields_[i]->setText(FromStd(model_.upperColumn()[column]));
        lowerFields_[i]->setText(FromStd(model_.lowerColumn()[column]));
    }
}

void TAboutBox::SyncZoomButton() {
    zoomButton_->setEnabled(model_.zoomButtonEnabled());
}

void TAboutBox::RepaintLoop(int loop) {
    upperCharts_[loop - 1]->update();
    lowerCharts_[loop - 1]->update();
}

void TAboutBox::RepaintCharts() {
    for (int loop = 1; loop <= 10; ++loop)
        RepaintLoop(loop);
}

void TAboutBox::SetBusy(bool busy) {
    busy_ = busy;
    if (busy)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    for (QWidget* input : std::initializer_list<QWidget*>{simulate_, archive_, baseName_, window_})
        input->setEnabled(!busy);
}

void TAboutBox::ShowProgress(QProgressBar* gauge, int percent) {
    gauge->setValue(percent);
    gauge->repaint();
    QCoreApplication::processEvents();
}

void TAboutBox::Simulate() {
    if (busy_) return;
    SetBusy(true);
    context_.document.timer().stop();
    std::string error = model_.Simulate();
    context_.document.SyncTimer();
    SetBusy(false);
    completion_->setText(FromStd(model_.completion()));
    if (!model_.archiveName().empty()) {
        upperList_->setCurrentIndex(-1);
        upperList_->setEditText(FromStd(model_.archiveName()));
    }
    if (error.empty()) upperBook_->setCurrentIndex(model_.upperPage());
    SyncIndices();
    RepaintCharts();
    if (!error.empty()) context_.platform.Message(FromStd(error));
}

void TAboutBox::LoadArchive(ChartRow row) {
    if (busy_) return;
    bool upper = row == ChartRow::Upper;
    QComboBox* list = upper ? upperList_ : lowerList_;
    QProgressBar* gauge = upper ? upperGauge_ : lowerGauge_;
    std::string selected = list->currentIndex() >= 0 ? list->currentText().toStdString() : "";
    SetBusy(true);
    std::string error =
        model_.Load(row, selected, [this, gauge](int percent) { ShowProgress(gauge, percent); });
    SetBusy(false);
    if (!error.empty()) {
        context_.platform.Message(FromStd(error));
        return;
    }
    (upper ? upperBook_ : lowerBook_)
        ->setCurrentIndex(upper ? model_.upperPage() : model_.lowerPage());
    SyncIndices();
    RepaintCharts();
}

void TAboutBox::FillArchiveList(QComboBox* list) {
    QSignalBlocker quiet(list);
    QString text = list->currentText();
    list->clear();
    for (const std::string& name : model_.ArchiveList())
        list->addItem(FromStd(name));
    list->setCurrentIndex(-1);
    if (list->isEditable()) list->setEditText(text);
}

void TAboutBox::ExportShown(ChartRow row, ExportFormat format) {
    int page = row == ChartRow::Upper ? upperBook_->currentIndex() : lowerBook_->currentIndex();
    ExportChart(context_, model_, row, page + 1, format);
}

void TAboutBox::PrepareScreenshot() {
    // At its own size rather than the virtual screen's.
    showNormal();
    resize(kDefaultSize.expandedTo(minimumSizeHint()));
    QTemporaryDir scratch;
    if (!scratch.isValid()) return;
    auto folder = model_.folder;
    std::filesystem::path path = scratch.path().toStdString();
    model_.folder = [path] { return path; };
    signal_->setCurrentIndex(static_cast<int>(TestSignal::SetpointStep));
    archive_->setChecked(true);
    Simulate();
    FillArchiveList(lowerList_);
    lowerList_->setCurrentIndex(0);
    LoadArchive(ChartRow::Lower);
    model_.folder = folder;
}

void TAboutBox::closeEvent(QCloseEvent* event) {
    if (busy_)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (busy_ && RefusedWhileBusy(event->type())) return true;
    // The archive lists are read from the folder whenever they get the focus.
    if (event->type() == QEvent::FocusIn && (watched == upperList_ || watched == lowerList_))
        FillArchiveList(static_cast<QComboBox*>(watched));
    return QWidget::eventFilter(watched, event);
}

}  // namespace vork
