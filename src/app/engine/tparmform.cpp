#include "app/engine/tparmform.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/help/web_links.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"

namespace vork {

namespace {

constexpr int kValueColumn = 5;

QString ControlName(int k, const char* suffix) {
    return QString("M%1%2").arg(SignalGenerator::Address(k)).arg(suffix);
}

}  // namespace

TParmForm::TParmForm(AppContext& context) : context_(context), model_(context.project()) {
    setObjectName("ParmForm");
    setWindowFlag(Qt::Window);
    setWindowTitle("Gerador de Sinais");
    auto* layout = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(4);
    grid_->setVerticalSpacing(2);
    for (int k = 1; k <= SignalGenerator::kChannels; ++k)
        BuildRow(k);
    layout->addLayout(grid_);
    layout->addWidget(BuildButtons());
    ApplyWindowTexts(*this, kGeneratorWindowTexts, model_.textLanguage());

    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::ticked, this, [this] {
        if (isVisible()) ShowOutputs();
    });
    connect(&document, &ProjectDocument::objectChanged, this, [this](ObjectRef ref) {
        if (ref.kind == ObjectKind::Generator) Sync();
    });
    connect(&document, &ProjectDocument::projectReplaced, this, &TParmForm::Sync);
    Sync();
}

void TParmForm::BuildRow(int k) {
    Row& row = rows_[k - 1];
    int line = k - 1;
    auto* number = new QLabel(QString::number(SignalGenerator::Address(k)), this);
    grid_->addWidget(number, line, 0);
    row.type = new QComboBox(this);
    row.type->setObjectName(ControlName(k, "Tipo"));
    for (const std::string& entry : GeneratorWindow::TypeEntries(k, model_.textLanguage()))
        row.type->addItem(FromStd(entry));
    connect(row.type, &QComboBox::activated, this, [this, k](int type) {
        model_.ChangeType(k, type);
        SyncRow(k);
    });
    grid_->addWidget(row.type, line, 1);
    row.desc = AddField(k, "Desc", &GeneratorChannelFields::Desc);
    row.desc->setMinimumWidth(row.desc->fontMetrics().averageCharWidth() * 22);
    grid_->addWidget(row.desc, line, 2);
    if (k <= SignalGenerator::kComputedChannels) {
        row.min = AddField(k, "Min", &GeneratorChannelFields::Min);
        row.max = AddField(k, "Max", &GeneratorChannelFields::Max);
        grid_->addWidget(row.min, line, 3);
        grid_->addWidget(row.max, line, 4);
    }
    row.valor = AddField(k, "Valor", &GeneratorChannelFields::Valor);
    row.valorDig = BuildRadioGroup(k);
    grid_->addWidget(row.valorDig, line, 6);
    row.upDown = new UpDown(0, 100, 1, this);
    row.upDown->setObjectName(ControlName(k, "UpDown"));
    connect(row.upDown, &UpDown::valueChanged, this, [this, k](int position) {
        model_.ArrowClicked(k, position);
        SyncRow(k);
    });
    grid_->addWidget(row.upDown, line, 7);
}

QLineEdit* TParmForm::AddField(int k, const char* suffix,
                               std::string GeneratorChannelFields::*field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ControlName(k, suffix));
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 9);
    connect(edit, &QLineEdit::textEdited, this, [this, k, field](const QString& text) {
        model_.Edit(k, [&](GeneratorChannelFields& f) { f.*field = text.toStdString(); });
        update_->setEnabled(model_.applyPending);
    });
    connect(edit, &QLineEdit::returnPressed, this, [this] {
        model_.EnterPressed();
        Sync();
    });
    return edit;
}

QWidget* TParmForm::BuildRadioGroup(int k) {
    auto* group = new QWidget(this);
    group->setObjectName(ControlName(k, "ValorDig"));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* exclusive = new QButtonGroup(group);
    for (int entry = 0; entry < 2; ++entry) {
        auto* button = new QRadioButton(QString::number(entry), group);
        exclusive->addButton(button, entry);
        layout->addWidget(button);
        rows_[k - 1].digits[static_cast<size_t>(entry)] = button;
    }
    connect(exclusive, &QButtonGroup::idClicked, this, [this, k](int entry) {
        model_.RadioClicked(k, entry);
        SyncRow(k);
    });
    return group;
}

QWidget* TParmForm::BuildButtons() {
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* help = new QToolButton(area);
    help->setObjectName("SpeedButton1");
    help->setText("?");
    connect(help, &QToolButton::clicked, this,
            [this] { OpenWebPage(context_, kGeneratorHelpPage); });
    update_ = new QPushButton(area);
    update_->setObjectName("Button1");
    connect(update_, &QPushButton::clicked, this, [this] {
        model_.Apply();
        Sync();
    });
    auto* exit = new QPushButton(area);
    exit->setObjectName("SairButton");
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(help);
    layout->addStretch(1);
    layout->addWidget(update_);
    layout->addWidget(exit);
    return area;
}

void TParmForm::Sync() {
    for (int k = 1; k <= SignalGenerator::kChannels; ++k)
        SyncRow(k);
    update_->setEnabled(model_.applyPending);
}

void TParmForm::SyncRow(int k) {
    const Row& row = rows_[k - 1];
    const GeneratorChannelFields& f = model_.fields(k);
    if (row.type->currentIndex() != f.Tipo) {
        QSignalBlocker quiet(row.type);
        row.type->setCurrentIndex(f.Tipo);
    }
    SetFieldText(row.desc, f.Desc);
    if (row.min) SetFieldText(row.min, f.Min);
    if (row.max) SetFieldText(row.max, f.Max);
    SetFieldText(row.valor, model_.valueText(k));
    row.digits[f.ValorDig == 1 ? 1 : 0]->setChecked(true);
    row.upDown->SetValue(f.UpDown);
    ArrangeRow(k);
}

void TParmForm::ArrangeRow(int k) {
    const Row& row = rows_[k - 1];
    ChannelRowLayout layout = model_.rowLayout(k);
    if (row.min) row.min->setVisible(layout.minMax);
    if (row.max) row.max->setVisible(layout.minMax);
    row.valorDig->setVisible(layout.valorDig);
    row.upDown->setVisible(layout.upDown);
    row.valor->setVisible(layout.valorVisible);
    row.valor->setReadOnly(layout.valorReadOnly);
    // An expression takes the room of the hidden minimum and maximum fields.
    grid_->removeWidget(row.valor);
    if (layout.valorWide)
        grid_->addWidget(row.valor, k - 1, 3, 1, 3);
    else
        grid_->addWidget(row.valor, k - 1, kValueColumn);
}

void TParmForm::ShowOutputs() {
    for (int k = 1; k <= SignalGenerator::kComputedChannels; ++k)
        if (model_.rowLayout(k).valorReadOnly)
            SetFieldText(rows_[k - 1].valor, model_.valueText(k));
}

void TParmForm::closeEvent(QCloseEvent* event) {
    model_.Close();
    Sync();
    event->accept();
}

}  // namespace vork
