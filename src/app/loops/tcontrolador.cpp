#include "app/loops/tcontrolador.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <tuple>

#include "app/help/web_links.h"
#include "app/loops/tsintonia.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"

namespace vork {

namespace {

constexpr int kFaceplateWidth = ControllerWindow::kNarrowWidth;
constexpr int kBarTop = 100;

QToolButton* Tool(const char* name, const QString& text, QRect at, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setGeometry(at);
    return button;
}

QLabel* Label(const char* name, const QString& text, QRect at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

void SetIfIdle(QLineEdit* edit, const std::string& text) {
    if (!edit->hasFocus() && edit->text() != FromStd(text)) edit->setText(FromStd(text));
}

}  // namespace

TControlador::TControlador(AppContext& context, int slot)
    : context_(context), model_(context.project(), slot) {
    setObjectName("Controlador");
    setWindowFlag(Qt::Window);
    BuildFaceplate();
    BuildTrend();
    BuildConfiguration();
    ApplyTexts();
    AttachTuning(slot);
    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::ticked, this, [this] {
        if (!isVisible()) return;
        model_.Refresh();
        Sync();
    });
    connect(&document, &ProjectDocument::objectChanged, this, [this](ObjectRef ref) {
        if (ref == model_.ref() && isVisible()) Sync();
    });
    ApplyLayout();
    Sync();
    SyncConfiguration();
}

// The tuning page copies a set into the configuration fields: the faceplate then shows them with
// "Atualizar" enabled, since "Conf." stays disabled until the edit is latched.
void TControlador::AttachTuning(int slot) {
    auto* tuning = new TSintonia(context_, slot);
    tuning->SetFieldEditor([this](const std::function<void(ControllerFields&)>& edit) {
        model_.Edit(edit);
        ShowTuningPage(false);
        model_.wide = model_.configShowing = true;
        ApplyLayout();
        SyncConfiguration();
        Sync();
    });
    AttachTuningPage(tuning, TextIn(kTuningWindowTexts[0], context_.language()));
}

void TControlador::BuildFaceplate() {
    auto* title = new QFrame(this);
    title->setObjectName("Panel1");
    title->setFrameShape(QFrame::Panel);
    title->setFrameShadow(QFrame::Sunken);
    title->setGeometry(2, 2, kFaceplateWidth - 4, 24);
    description_ = Label("DescricaoText", QString(), title->rect().adjusted(2, 1, -2, -1), title);
    description_->setAlignment(Qt::AlignCenter);
    BuildValueRows();
    const std::array<std::pair<const char*, QColor>, 4> bars{{{"SPRBar", Qt::blue},
                                                              {"SetPointBar", Qt::blue},
                                                              {"VariavelBar", Qt::red},
                                                              {"SaidaBar", QColor(0, 160, 0)}}};
    for (size_t i = 0; i < bars.size(); ++i)
        bars_[i] = new FaceplateBar(bars[i].first, bars[i].second, this);
    BuildModeGroups();
    BuildButtons();
}

QWidget* TControlador::BuildValueRows() {
    auto row = [this](const char* captionName, const char* caption, const char* name, int y,
                      const char* unitName) {
        Label(captionName, caption, QRect(4, y, 28, 22), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setGeometry(32, y, 96, 22);
        edit->setAlignment(Qt::AlignRight);
        QLabel* unit = Label(unitName, "%", QRect(132, y, kFaceplateWidth - 134, 22), this);
        return std::pair{edit, unit};
    };
    std::tie(sp_, unit_) = row("Label27", "SP:", "SPText", 30, "UnitEngSP");
    QLabel* pvUnit = nullptr;
    std::tie(pv_, pvUnit) = row("Label28", "PV:", "PVText", 54, "UnidEngPV");
    mv_ = row("Label29", "CO:", "MVText", 78, "UnidEngMV").first;
    pvUnit_ = pvUnit;
    pv_->setReadOnly(true);
    connect(sp_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SPText = text.toStdString(); });
    connect(sp_, &QLineEdit::returnPressed, this, [this] { Act(&ControllerWindow::SPTextEnter); });
    connect(mv_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.MVText = text.toStdString();
        model_.MVTextChange();
        send_->setEnabled(model_.sendEnabled);
    });
    connect(mv_, &QLineEdit::returnPressed, this, [this] { Act(&ControllerWindow::MVTextEnter); });
    sp_->installEventFilter(this);
    mv_->installEventFilter(this);
    return sp_;
}

void TControlador::BuildModeGroups() {
    auto group = [this](const char* name, const char* title, int y) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        box->setGeometry(100, y, kFaceplateWidth - 102, 76);
        return box;
    };
    QGroupBox* sp = group("GroupBox2", "SP", kBarTop);
    localRemote_ = Tool("LocalRemotoBTN", "L/R", QRect(6, 20, 44, 24), sp);
    localRemoteLetter_ = Label("Label1", "L", QRect(56, 20, 30, 24), sp);
    setpointArrows_ = {Tool("IncrementaSP", "▲", QRect(6, 48, 44, 22), sp),
                       Tool("DecrementaSP", "▼", QRect(52, 48, 44, 22), sp)};
    QGroupBox* out = group("GroupBox3", "Saída", kBarTop + 82);
    autoManual_ = Tool("AutoManualBTN", "A/M", QRect(6, 20, 44, 24), out);
    autoManualLetter_ = Label("Label2", "M", QRect(56, 20, 30, 24), out);
    outputArrows_ = {Tool("IncrementaSaida", "▲", QRect(6, 48, 44, 22), out),
                     Tool("DecrementaSaida", "▼", QRect(52, 48, 44, 22), out)};
    for (QLabel* letter : {localRemoteLetter_, autoManualLetter_}) {
        QFont bold = letter->font();
        bold.setBold(true);
        letter->setFont(bold);
    }
    auto bind = [this](QToolButton* b, void (ControllerWindow::*action)()) {
        connect(b, &QToolButton::clicked, this, [this, action] { Act(action); });
    };
    bind(localRemote_, &ControllerWindow::LocalRemotoBTNClick);
    bind(autoManual_, &ControllerWindow::AutoManualBTNClick);
    bind(setpointArrows_[0], &ControllerWindow::IncrementaSPClick);
    bind(setpointArrows_[1], &ControllerWindow::DecrementaSPClick);
    bind(outputArrows_[0], &ControllerWindow::IncrementaSaidaClick);
    bind(outputArrows_[1], &ControllerWindow::DecrementaSaidaClick);
}

void TControlador::BuildButtons() {
    send_ = new QPushButton("Enviar", this);
    send_->setObjectName("Button2");
    send_->setGeometry(100, kBarTop + 164, kFaceplateWidth - 102, 26);
    connect(send_, &QPushButton::clicked, this, [this] {
        model_.MVText = mv_->text().toStdString();
        Act(&ControllerWindow::MVTextEnter);
    });
    tuningButton_ = new QPushButton(this);
    tuningButton_->setObjectName("TuningBTN");
    tuningButton_->setCheckable(true);
    tuningButton_->setGeometry(100, kBarTop + 194, kFaceplateWidth - 102, 26);
    tuningButton_->hide();
    connect(tuningButton_, &QPushButton::toggled, this, &TControlador::ShowTuningPage);
    int y = ControllerWindow::kHeight - 30;
    config_ = Tool("ConfigBTN", "Conf.", QRect(2, y, 50, 26), this);
    connect(config_, &QToolButton::clicked, this, [this] {
        ShowTuningPage(false);
        model_.ConfigBTNClick();
        ApplyLayout();
    });
    QToolButton* trendButton = Tool("TrendButton", "Tend.", QRect(54, y, 50, 26), this);
    connect(trendButton, &QToolButton::clicked, this, [this] {
        ShowTuningPage(false);
        model_.TrendButtonClick();
        ApplyLayout();
        Sync();
    });
    QToolButton* help = Tool("SpeedButton1", "?", QRect(106, y, 26, 26), this);
    connect(help, &QToolButton::clicked, this,
            [this] { OpenWebPage(context_, web_page::kController); });
    auto* exit = new QPushButton("Sair", this);
    exit->setObjectName("SairBTN");
    exit->setGeometry(134, y, kFaceplateWidth - 136, 26);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

void TControlador::BuildTrend() {
    ControllerWindow& m = model_;
    trend_ =
        new TrendArea(context_, m.trend, {3, "SpeedButton2", "Y", "X (segundos)", false}, this);
    trend_->move(kFaceplateWidth, 4);
    const std::array<std::pair<const char*, const char*>, 4> boxes{
        {{"MostrarPV", "PV"},
         {"MostrarSP", "SP"},
         {"MostrarCO", "CO"},
         {"MostrarAtuador", "Pos. Atuador"}}};
    std::array<bool ControllerWindow::*, 4> flags{
        &ControllerWindow::showPV, &ControllerWindow::showSP, &ControllerWindow::showCO,
        &ControllerWindow::showActuator};
    int x = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new QCheckBox(boxes[i].second, &trend_->ownerRow());
        box->setObjectName(boxes[i].first);
        int width = i < 3 ? 48 : 110;
        box->setGeometry(x, 0, width, 22);
        x += width + 4;
        bool ControllerWindow::*flag = flags[i];
        connect(box, &QCheckBox::clicked, this, [this, flag](bool on) {
            model_.*flag = on;
            trend_->view().update();
        });
        show_[i] = box;
    }
    trend_->view().SetTraces([this] {
        std::vector<TraceStyle> traces;
        if (model_.showPV) traces.push_back({0, Qt::red});
        if (model_.showSP) traces.push_back({1, Qt::blue});
        if (model_.showCO) traces.push_back({2, QColor(0, 160, 0)});
        if (model_.showActuator) traces.push_back({3, Qt::black, false});
        return traces;
    });
    trend_->SetCurves(
        [this] {
            return std::vector<TrendCurve>{{"PV", 0}, {"SP", 1}, {"CO", 2}, {"Pos. Atuador", 3}};
        },
        [this] { return FromStd(model_.controller().tuning.tag); });
    connect(trend_, &TrendArea::autoScaleClicked, this, [this](bool on) {
        model_.EscalaAutoClick(on);
        Sync();
    });
    connect(trend_, &TrendArea::plotDoubleClicked, this, [this] {
        model_.ImageDoubleClick();
        Sync();
    });
    connect(trend_, &TrendArea::archiveClicked, this, [this](bool on) {
        if (on) {
            StartArchive();
        } else {
            context_.platform.Message(FromStd(model_.StopArchive()));
        }
        Sync();
    });
}

void TControlador::StartArchive() {
    DiskTrendFileSystem files;
    ArchiveStart result = model_.StartArchive(files);
    if (result == ArchiveStart::NeedsFolder) {
        // A cancelled folder dialog leaves the archive off rather than asking forever.
        QString start = FromStd(context_.project().fileName().parent_path().string());
        QString title = FromStd(model_.englishApplied ? ControllerEnglishText("OpenDialog1")
                                                      : kControllerWindowTexts[1].portuguese);
        QString folder =
            context_.platform.ChooseFolder(title, start.isEmpty() ? QDir::currentPath() : start);
        if (folder.isEmpty()) return;
        model_.ChooseArchiveFolder(folder.toStdString());
        result = model_.StartArchive(files);
    }
    if (result == ArchiveStart::Failed)
        context_.platform.Message(FromStd(model_.controller().trend.archive.error));
}

void TControlador::Act(void (ControllerWindow::*action)()) {
    (model_.*action)();
    Sync();
}

void TControlador::ShowFromMain() {
    model_.ShowWindow();
    ApplyLayout();
    SyncConfiguration();
    show();
    raise();
    activateWindow();
    model_.Activate(context_.language());
    ApplyTexts();
    Sync();
}

bool TControlador::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        model_.Activate(context_.language());
        ApplyTexts();
        Sync();
    }
    return QWidget::event(event);
}

void TControlador::closeEvent(QCloseEvent* event) {
    model_.CloseWindow();
    trend_->Sync();
    QWidget::closeEvent(event);
}

bool TControlador::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (watched == sp_) model_.SPTextEscape();
        if (watched == mv_) model_.MVTextEscape();
        if (watched == sp_ || watched == mv_) {
            sp_->setText(FromStd(model_.SPText));
            mv_->setText(FromStd(model_.MVText));
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == pvList_) {
            model_.VariavelSelectEnter();
            FillList(pvList_, model_.VariavelSelectItems,
                     model_.controller().fields.VariavelSelect);
        } else if (watched == remoteList_) {
            model_.SPRSelectEnter();
            FillList(remoteList_, model_.SPRSelectItems, model_.controller().fields.SPRSelect);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TControlador::ApplyLayout() {
    bool right = model_.wide;
    setFixedSize(model_.width(), ControllerWindow::kHeight);
    bool tuning = tuningPage_ && tuningButton_->isChecked();
    panel2_->setVisible(right && model_.configShowing && !tuning);
    trend_->setVisible(right && !model_.configShowing && !tuning);
    if (tuningPage_) tuningPage_->setVisible(right && tuning);
}

void TControlador::AttachTuningPage(QWidget* page, const QString& caption) {
    tuningPage_ = page;
    page->setParent(this);
    page->setGeometry(kFaceplateWidth, 0, ControllerWindow::kWideWidth - kFaceplateWidth,
                      ControllerWindow::kHeight);
    tuningButton_->setText(caption);
    tuningButton_->show();
    ApplyLayout();
}

void TControlador::ShowTuningPage(bool shown) {
    if (!tuningPage_) return;
    {
        QSignalBlocker quiet(tuningButton_);
        tuningButton_->setChecked(shown);
    }
    if (shown && !model_.wide) model_.TrendButtonClick();
    ApplyLayout();
}

void TControlador::ApplyTexts() {
    Language language = model_.englishApplied ? Language::English : Language::Portuguese;
    ApplyWindowTexts(*this, kControllerWindowTexts, language);
    trend_->ApplyTexts(context_.language());
    for (auto& [radio, position, field] : radios_) {
        QString key = radio->parent()->objectName() + "/" + QString::number(position);
        for (const WindowText& t : kControllerWindowTexts)
            if (key == t.component) radio->setText(TextIn(t, language));
    }
    setWindowTitle(FromStd(model_.caption.empty()
                               ? std::string(kControllerWindowTexts[0].portuguese)
                               : model_.caption));
}

void TControlador::Sync() {
    SyncFaceplate();
    for (size_t i = 0; i < show_.size(); ++i) {
        std::array<bool, 4> on{model_.showPV, model_.showSP, model_.showCO, model_.showActuator};
        QSignalBlocker quiet(show_[i]);
        show_[i]->setChecked(on[i]);
    }
    trend_->Sync();
    apply_->setEnabled(model_.applyPending);
    config_->setEnabled(model_.configButtonEnabled);
    remoteList_->setEnabled(model_.remoteSelectEnabled);
}

void TControlador::SyncFaceplate() {
    description_->setText(FromStd(model_.title));
    SetIfIdle(sp_, model_.SPText);
    SetIfIdle(pv_, model_.PVText);
    SetIfIdle(mv_, model_.MVText);
    unit_->setText(FromStd(model_.unit));
    pvUnit_->setText(FromStd(model_.unit));
    std::array<int, 4> values{model_.remoteSetpointBar, model_.setpointBar, model_.pvBar,
                              model_.outputBar};
    for (size_t i = 0; i < bars_.size(); ++i)
        bars_[i]->SetValue(values[i]);
    int height = 200;
    bars_[0]->setGeometry(3, kBarTop, 15, height);
    bars_[0]->setVisible(model_.controller().tuning.remoteAvailable);
    bars_[1]->setGeometry(model_.setpointBarLeft, kBarTop, model_.setpointBarWidth, height);
    bars_[2]->setGeometry(40, kBarTop, 22, height);
    bars_[3]->setGeometry(68, kBarTop, 22, height);
    localRemoteLetter_->setText(FromStd(model_.localRemoteLetter));
    autoManualLetter_->setText(FromStd(model_.autoManualLetter));
    localRemote_->setEnabled(model_.localRemoteEnabled);
    for (QToolButton* b : setpointArrows_)
        b->setEnabled(model_.setpointButtonsEnabled);
    for (QToolButton* b : outputArrows_)
        b->setEnabled(model_.outputButtonsEnabled);
    send_->setEnabled(model_.sendEnabled);
    sp_->setReadOnly(!model_.setpointButtonsEnabled);
    mv_->setReadOnly(!model_.outputButtonsEnabled);
    QString caption =
        FromStd(model_.caption.empty() ? windowTitle().toStdString() : model_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
}

}  // namespace vork
