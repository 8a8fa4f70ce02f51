#include "app/loops/tsintonia.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/std_text.h"
#include "app/window_texts.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork {

namespace {

constexpr int kModelRows = 5;

constexpr int kLoops = SlotCount(SlotKind::Controller);

int FirstController(Project& project) {
    for (int slot = 1; slot <= kLoops; ++slot)
        if (project.sim.controllers.Get(slot)) return slot;
    return 1;
}

template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

TSintonia::TSintonia(AppContext& context, int slot)
    : context_(context), model_(std::make_unique<TuningWindow>(context.project(), slot)) {
    setObjectName("Sintonia");
    setWindowFlag(Qt::Window);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(BuildInputs());
    layout->addWidget(BuildButtons());
    layout->addWidget(BuildResults(), 1);
    layout->addWidget(BuildBottom());
    resize(600, 440);
    connect(&context.document, &ProjectDocument::projectReplaced, this, [this] {
        Cancel();
        WaitForWork();
        model_->Reset();
        FillLoops();
        Sync();
    });
    for (auto changed : {&ProjectDocument::slotFilled, &ProjectDocument::slotEmptied})
        connect(&context.document, changed, this, [this](ObjectRef ref) {
            if (ref.kind == ObjectKind::Controller) FillLoops();
        });
    ApplyTexts();
    Sync();
}

TSintonia::TSintonia(AppContext& context) : TSintonia(context, FirstController(context.project())) {
    loops_->show();
    FillLoops();
}

TSintonia::~TSintonia() {
    Cancel();
    if (worker_) worker_->wait();
}

QWidget* TSintonia::BuildInputs() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    loops_ = Named(new QComboBox(row), "MalhaBox");
    loops_->hide();
    layout->addWidget(loops_);
    connect(loops_, &QComboBox::activated, this,
            [this](int index) { ChooseLoop(loops_->itemData(index).toInt()); });
    layout->addWidget(Named(new QLabel(row), "FonteLabel"));
    source_ = Named(new QComboBox(row), "FonteBox");
    source_->addItems({"", ""});
    layout->addWidget(source_, 1);
    layout->addWidget(Named(new QLabel(row), "AmplitudeLabel"));
    amplitude_ = Named(new QLineEdit(row), "AmplitudeText");
    layout->addWidget(amplitude_);
    layout->addWidget(Named(new QLabel(row), "LambdaLabel"));
    lambda_ = Named(new QLineEdit(row), "LambdaText");
    layout->addWidget(lambda_);
    for (QLineEdit* edit : {amplitude_, lambda_}) {
        edit->setFixedWidth(fontMetrics().horizontalAdvance("00000") + 12);
        edit->setAlignment(Qt::AlignRight);
    }
    connect(source_, &QComboBox::activated, this, [this](int index) {
        model_->source = static_cast<TuningSource>(index);
        Sync();
    });
    connect(amplitude_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->amplitudeText = text.toStdString(); });
    connect(lambda_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->lambdaText = text.toStdString(); });
    return row;
}

QWidget* TSintonia::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    capture_ = Named(new QPushButton(row), "CapturarBTN");
    identify_ = Named(new QPushButton(row), "IdentificarBTN");
    cancel_ = Named(new QPushButton(row), "CancelarBTN");
    progress_ = Named(new QProgressBar(row), "ProgressBar1");
    progress_->setRange(0, 100);
    for (QWidget* w : std::initializer_list<QWidget*>{capture_, identify_, cancel_})
        layout->addWidget(w);
    layout->addWidget(progress_, 1);
    connect(capture_, &QPushButton::clicked, this, [this] {
        model_->CaptureTrend();
        Sync();
    });
    connect(identify_, &QPushButton::clicked, this, &TSintonia::Identify);
    connect(cancel_, &QPushButton::clicked, this, &TSintonia::Cancel);
    return row;
}

QWidget* TSintonia::BuildResults() {
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    plot_ = new TuningPlot(area);
    connect(plot_, &TuningPlot::clicked, this, [this](double seconds) {
        model_->PlaceCursor(seconds);
        Sync();
    });
    modelGroup_ = Named(new QGroupBox(area), "ModeloGroup");
    modelGroup_->setMinimumWidth(fontMetrics().horizontalAdvance("Const. de tempo (s)  0.0000"));
    auto* form = new QFormLayout(modelGroup_);
    form->setContentsMargins(6, 2, 6, 2);
    form->setVerticalSpacing(1);
    for (int i = 0; i < kModelRows; ++i) {
        modelRows_.push_back({new QLabel(modelGroup_), new QLabel(modelGroup_)});
        form->addRow(modelRows_.back().first, modelRows_.back().second);
    }
    table_ = Named(new QTableWidget(0, TuningWindow::kColumns, area), "SugestoesGrid");
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        model_->Choose(row);
        copy_->setEnabled(model_->chosen >= 0 && !model_->busy());
    });
    layout->addWidget(plot_, 0, 0);
    layout->addWidget(modelGroup_, 0, 1);
    layout->addWidget(table_, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 2);
    return area;
}

QWidget* TSintonia::BuildBottom() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    status_ = Named(new QLabel(row), "StatusLabel");
    status_->setWordWrap(true);
    copy_ = Named(new QPushButton(row), "CopiarBTN");
    layout->addWidget(status_, 1);
    layout->addWidget(copy_);
    connect(copy_, &QPushButton::clicked, this, [this] {
        model_->CopyChosen(editor_);
        Sync();
    });
    return row;
}

void TSintonia::FillLoops() {
    if (loops_->isHidden()) return;
    QSignalBlocker quiet(loops_);
    loops_->clear();
    for (int slot = 1; slot <= kLoops; ++slot)
        if (const Controller* c = context_.project().sim.controllers.Get(slot))
            loops_->addItem(
                FromStd(c->tuning.tag.empty() ? "PID" + std::to_string(slot) : c->tuning.tag),
                slot);
    loops_->setCurrentIndex(loops_->findData(model_->ref().slot));
}

void TSintonia::ChooseLoop(int slot) {
    if (model_->busy() || slot == model_->ref().slot) return;
    model_ = std::make_unique<TuningWindow>(context_.project(), slot);
    ApplyTexts();
    Sync();
}

void TSintonia::ApplyTexts() {
    model_->language = context_.language();
    ApplyWindowTexts(*this, kTuningWindowTexts, model_->language);
    const Controller* c = context_.project().sim.controllers.Get(model_->ref().slot);
    if (c && !c->tuning.tag.empty()) setWindowTitle(windowTitle() + " - " + FromStd(c->tuning.tag));
    QStringList titles;
    for (const std::string& title : model_->ColumnTitles())
        titles << FromStd(title);
    table_->setHorizontalHeaderLabels(titles);
}

void TSintonia::Identify() {
    std::optional<TuningJob> job = model_->Start();
    Sync();
    if (!job) return;
    stop_ = false;
    progress_->setValue(0);
    WorkMonitor monitor;
    monitor.progress = [this](int percent) {
        QMetaObject::invokeMethod(
            this,
            [this, percent] {
                if (model_->busy()) progress_->setValue(percent);
            },
            Qt::QueuedConnection);
    };
    monitor.cancelled = [this] { return stop_.load(); };
    worker_.reset(QThread::create(
        [this, job = std::move(*job), monitor] { report_ = RunTuningJob(job, monitor); }));
    connect(worker_.get(), &QThread::finished, this, &TSintonia::WorkDone);
    worker_->start();
}

void TSintonia::WaitForWork() {
    if (!worker_) return;
    worker_->wait();
    WorkDone();
}

void TSintonia::WorkDone() {
    if (!worker_) return;
    worker_->wait();
    worker_.reset();
    model_->Finish(std::move(report_));
    report_ = {};
    progress_->setValue(model_->rows.empty() ? 0 : 100);
    Sync();
}

void TSintonia::Cancel() {
    stop_ = true;
}

void TSintonia::Sync() {
    bool busy = model_->busy();
    source_->setCurrentIndex(static_cast<int>(model_->source));
    if (!amplitude_->hasFocus()) amplitude_->setText(FromStd(model_->amplitudeText));
    loops_->setCurrentIndex(loops_->findData(model_->ref().slot));
    if (!lambda_->hasFocus()) lambda_->setText(FromStd(model_->lambdaText));
    for (QWidget* w :
         std::initializer_list<QWidget*>{loops_, source_, amplitude_, lambda_, identify_})
        w->setEnabled(!busy);
    capture_->setEnabled(!busy && model_->source == TuningSource::Trend);
    cancel_->setEnabled(busy);
    plot_->Show(model_->data(), model_->curve, model_->fitStart, model_->cursor(),
                model_->source == TuningSource::Trend);
    SyncModel();
    SyncTable();
    status_->setText(FromStd(model_->status));
    copy_->setEnabled(model_->chosen >= 0 && !busy);
}

void TSintonia::SyncModel() {
    for (size_t i = 0; i < modelRows_.size(); ++i) {
        bool shown = i < model_->modelRows.size();
        modelRows_[i].first->setText(shown ? FromStd(model_->modelRows[i].first) : "");
        modelRows_[i].second->setText(shown ? FromStd(model_->modelRows[i].second) : "");
    }
}

void TSintonia::SyncTable() {
    QSignalBlocker quiet(table_);
    table_->setRowCount(static_cast<int>(model_->rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const SuggestionRow& row = model_->rows[static_cast<size_t>(r)];
        std::array<const std::string*, TuningWindow::kColumns> cells{
            &row.method, &row.kind, &row.kc, &row.ti, &row.td, &row.iema};
        for (int c = 0; c < TuningWindow::kColumns; ++c) {
            auto* item = new QTableWidgetItem(FromStd(*cells[static_cast<size_t>(c)]));
            item->setTextAlignment(c < 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                         : Qt::AlignRight | Qt::AlignVCenter);
            if (!row.settled) item->setForeground(Qt::red);
            table_->setItem(r, c, item);
        }
    }
    if (model_->chosen >= 0) table_->selectRow(model_->chosen);
}

void TSintonia::ShowFromMain() {
    ApplyTexts();
    Sync();
    show();
    raise();
    activateWindow();
}

void TSintonia::closeEvent(QCloseEvent* event) {
    Cancel();
    WaitForWork();
    QWidget::closeEvent(event);
}

}  // namespace vork
