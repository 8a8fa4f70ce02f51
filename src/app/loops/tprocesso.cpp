#include "app/loops/tprocesso.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "app/help/web_links.h"
#include "app/platform/platform.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "app/workspace/tform1.h"
#include "project/project.h"

namespace vork {

namespace {

void SetTextIfChanged(QLabel* label, const std::string& text) {
    QString shown = FromStd(text);
    if (label->text() != shown) label->setText(shown);
}

}  // namespace

TProcesso::TProcesso(AppContext& context, int slot)
    : context_(context), model_(context.project(), slot) {
    setObjectName("Processo");
    setWindowFlags(Qt::Dialog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTitle());
    layout->addWidget(BuildIdentity());
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildTypeGroups());
    left->addWidget(BuildLiveValues());
    left->addStretch(1);
    middle->addLayout(left);
    middle->addWidget(BuildNonLinearities(), 0, Qt::AlignTop);
    layout->addLayout(middle);
    layout->addWidget(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::objectChanged, this, [this](ObjectRef ref) {
        if (ref == model_.ref()) Sync();
    });
    connect(&document, &ProjectDocument::ticked, this, [this](bool displayRefreshed) {
        if (displayRefreshed && isVisible()) ShowLiveValues();
    });
    ApplyTexts();
    Sync();
}

QLabel* TProcesso::Label(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* TProcesso::AddField(const char* name, std::string ProcessFields::*text,
                               QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    fields_.push_back({edit, text});
    connect(edit, &QLineEdit::textEdited, this, [this, text](const QString& typed) {
        model_.Edit([text, &typed](ProcessFields& f) { f.*text = typed.toStdString(); });
        Sync();
    });
    return edit;
}

void TProcesso::AddRow(QGridLayout* grid, int row, QLabel* label, QWidget* control, int column,
                       int span) {
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
}

QWidget* TProcesso::BuildTitle() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QHBoxLayout(panel);
    title_ = Label("Label9", panel);
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setMinimumHeight(title_->fontMetrics().height() + 4);
    layout->addWidget(title_);
    return panel;
}

QWidget* TProcesso::BuildIdentity() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    AddRow(grid, 0, Label("Label3", area), AddField("TagText", &ProcessFields::TagText, area));
    AddRow(grid, 0, Label("Label4", area),
           AddField("DescricaoText", &ProcessFields::DescricaoText, area), 2);
    input_ = new QComboBox(area);
    input_->setObjectName("EntradaSelect");
    input_->installEventFilter(this);
    connect(input_, &QComboBox::activated, this, [this](int position) {
        model_.Edit([position](ProcessFields& f) { f.EntradaSelect = position; });
        Sync();
    });
    AddRow(grid, 1, Label("Label8", area), input_, 0, 3);
    AddRow(grid, 2, Label("Label20", area), AddField("GanhoText", &ProcessFields::GanhoText, area));
    AddRow(grid, 2, Label("Label15", area),
           AddField("TempoMorto", &ProcessFields::TempoMorto, area), 2);
    type_ = new QComboBox(area);
    type_->setObjectName("ComboBox2");
    for (std::size_t i = 0; i < kTransferTypeItems.size(); ++i)
        type_->addItem(QString());
    connect(type_, &QComboBox::activated, this, [this](int type) {
        model_.TypeChanged(type);
        Sync();
    });
    AddRow(grid, 3, Label("Label7", area), type_, 0, 3);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(3, 220);
    return area;
}

QGroupBox* TProcesso::BuildTypeGroup(const char* name, std::initializer_list<FieldRow> rows) {
    auto* group = new QGroupBox(typeGroups_);
    group->setObjectName(name);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const FieldRow& r : rows)
        AddRow(grid, row++, Label(r.label, group), AddField(r.name, r.text, group));
    grid->setRowStretch(2, 1);
    typeGroups_->addWidget(group);
    return group;
}

QWidget* TProcesso::BuildTypeGroups() {
    typeGroups_ = new QStackedWidget(this);
    BuildTypeGroup("GroupPVC", {{"Label1", "LText", &ProcessFields::LText},
                                {"Label30", "Ctext", &ProcessFields::Ctext}});
    BuildTypeGroup("GroupOrdem2", {{"Label33", "NCText", &ProcessFields::NCText},
                                   {"Label34", "PeriodoText", &ProcessFields::PeriodoText}});
    BuildTypeGroup("GroupLEADLAG", {{"Label28", "LEAD", &ProcessFields::LEAD},
                                    {"Label29", "LAG", &ProcessFields::LAG}});
    QGroupBox* integrator = BuildTypeGroup("GroupBox2", {});
    initialValue_ = new QLineEdit(integrator);
    initialValue_->setObjectName("ValorInicialText");
    connect(initialValue_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        model_.InitialValueEdited(typed.toStdString());
        Sync();
    });
    initialValueLabel_ = Label("Label35", integrator);
    AddRow(static_cast<QGridLayout*>(integrator->layout()), 0, initialValueLabel_, initialValue_);
    return typeGroups_;
}

QWidget* TProcesso::BuildNonLinearities() {
    auto* group = new QGroupBox(this);
    group->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(group);
    curve_ = new QComboBox(group);
    curve_->setObjectName("ComboBox1");
    for (std::size_t i = 0; i < kValveCurveItems.size(); ++i)
        curve_->addItem(QString());
    connect(curve_, &QComboBox::activated, this, [this](int curve) {
        model_.Edit([curve](ProcessFields& f) { f.gainCurve = curve; });
        Sync();
    });
    AddRow(grid, 0, Label("Label18", group), curve_);
    AddRow(grid, 1, Label("Label14", group),
           AddField("Histerese", &ProcessFields::Histerese, group));
    AddRow(grid, 2, Label("Label19", group),
           AddField("valveStext", &ProcessFields::valveStext, group));
    AddRow(grid, 3, Label("Label21", group), AddField("tal", &ProcessFields::tal, group));
    AddRow(grid, 4, Label("Label37", group), AddField("ratetext", &ProcessFields::ratetext, group));
    clamp_ = new QCheckBox(group);
    clamp_->setObjectName("CheckBox1");
    connect(clamp_, &QCheckBox::clicked, this, [this](bool checked) {
        model_.Edit([checked](ProcessFields& f) { f.clampDisabled = checked; });
        Sync();
    });
    grid->addWidget(clamp_, 5, 0, 1, 2);
    return group;
}

QWidget* TProcesso::BuildLiveValues() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<const char*, 3> captions{"Label40", "Label25", "Label5"};
    const std::array<const char*, 3> values{"Label36", "Label26", "Label12"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(Label(captions[row], area), row, 0);
        live_[row] = Label(values[row], area);
        live_[row]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        live_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        live_[row]->setMinimumWidth(live_[row]->fontMetrics().horizontalAdvance("-000.00") + 8);
        grid->addWidget(live_[row], row, 1);
    }
    actuatorAddress_ = Label("Label2", area);
    outputAddress_ = Label("Label22", area);
    grid->addWidget(actuatorAddress_, 1, 2);
    grid->addWidget(outputAddress_, 2, 2);
    grid->setColumnMinimumWidth(2, actuatorAddress_->fontMetrics().horizontalAdvance("(M124)"));
    return area;
}

QWidget* TProcesso::BuildButtons() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    auto* help = new QToolButton(area);
    help->setObjectName("SpeedButton1");
    help->setText("?");
    connect(help, &QToolButton::clicked, this,
            [this] { OpenWebPage(context_, web_page::kProcessBlock); });
    apply_ = new QPushButton(area);
    apply_->setObjectName("btnatualiza");
    connect(apply_, &QPushButton::clicked, this, &TProcesso::Atualizar);
    // A glyph without caption: the hint names it.
    exit_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QString(), area);
    exit_->setObjectName("SairButton");
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(help);
    row->addStretch(1);
    row->addWidget(apply_);
    row->addWidget(exit_);
    return area;
}

bool TProcesso::Alive() const {
    return context_.project().sim.processes.Exists(model_.ref().slot);
}

void TProcesso::ShowFromMain() {
    Activated();
    // On top of the main window without being owned by it: the registry owns this window.
    winId();
    if (context_.mainWindow)
        windowHandle()->setTransientParent(context_.mainWindow->windowHandle());
    if (!placed_) {
        adjustSize();
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

bool TProcesso::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activated();
    return QWidget::event(event);
}

void TProcesso::Activated() {
    if (!Alive()) return;
    bool wasEnglish = model_.englishApplied;
    model_.Activate(context_.language());
    if (model_.englishApplied != wasEnglish) ApplyTexts();
    Sync();
    ShowLiveValues();
}

void TProcesso::ApplyTexts() {
    Language language = model_.englishApplied ? Language::English : Language::Portuguese;
    ApplyWindowTexts(*this, kProcessWindowTexts, language);
    ApplyWindowTexts(*this, kProcessWindowFixedTexts, Language::Portuguese);
    for (std::size_t i = 0; i < kTransferTypeItems.size(); ++i)
        type_->setItemText(static_cast<int>(i), TextIn(kTransferTypeItems[i], language));
    for (std::size_t i = 0; i < kValveCurveItems.size(); ++i)
        curve_->setItemText(static_cast<int>(i), TextIn(kValveCurveItems[i], language));
}

bool TProcesso::eventFilter(QObject* watched, QEvent* event) {
    // The input list is rebuilt from the current descriptions whenever it gets the focus.
    if (watched == input_ && event->type() == QEvent::FocusIn) RebuildInputList();
    return QWidget::eventFilter(watched, event);
}

void TProcesso::RebuildInputList() {
    if (!Alive()) return;
    model_.EntradaSelectEnter();
    QSignalBlocker quiet(input_);
    input_->clear();
    for (const std::string& entry : model_.EntradaSelectItems)
        input_->addItem(FromStd(entry));
    input_->setCurrentIndex(model_.block().fields.EntradaSelect);
}

void TProcesso::Sync() {
    if (!Alive()) return;
    SyncFields(model_.block().fields);
    SyncTypeGroup(model_.block().fields.transferType);
    SetTextIfChanged(title_, model_.title);
    SetTextIfChanged(actuatorAddress_, model_.actuatorAddressText);
    SetTextIfChanged(outputAddress_, model_.outputAddressText);
    setWindowTitle(FromStd(model_.caption));
    apply_->setEnabled(model_.applyPending);
    exit_->setEnabled(model_.exitEnabled);
}

void TProcesso::SyncFields(const ProcessFields& f) {
    // Only changed texts are written back, so a field being typed in keeps its cursor.
    for (const Field& field : fields_) {
        QString text = FromStd(f.*field.text);
        if (field.edit->text() != text) field.edit->setText(text);
    }
    if (initialValue_->text() != FromStd(f.ValorInicialText))
        initialValue_->setText(FromStd(f.ValorInicialText));
    if (input_->count() == 0) RebuildInputList();
    input_->setCurrentIndex(f.EntradaSelect);
    type_->setCurrentIndex(f.transferType);
    curve_->setCurrentIndex(f.gainCurve);
    clamp_->setChecked(f.clampDisabled);
}

void TProcesso::SyncTypeGroup(int type) {
    QString group = QString::fromLatin1(ProcessWindow::TypeGroup(type));
    typeGroups_->setVisible(!group.isEmpty());
    if (!group.isEmpty()) typeGroups_->setCurrentWidget(typeGroups_->findChild<QGroupBox*>(group));
    initialValue_->setVisible(model_.initialValueVisible());
    initialValueLabel_->setVisible(model_.initialValueVisible());
}

void TProcesso::ShowLiveValues() {
    if (!Alive()) return;
    model_.Refresh();
    SetTextIfChanged(live_[0], model_.inputText);
    SetTextIfChanged(live_[1], model_.actuatorText);
    SetTextIfChanged(live_[2], model_.outputText);
}

void TProcesso::Atualizar() {
    for (const std::string& message : model_.Apply())
        context_.platform.Message(FromStd(message));
    Sync();
}

void TProcesso::closeEvent(QCloseEvent* event) {
    // The markers follow the block's tag; a window closing with its slot has nothing to show.
    if (Alive()) context_.project().WorkspaceRefresh();
    QWidget::closeEvent(event);
}

}  // namespace vork
