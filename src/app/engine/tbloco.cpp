#include "app/engine/tbloco.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/help/web_links.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"

namespace vork {

namespace {

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TBloco::TBloco(AppContext& context, int slot) : context_(context), model_(context.project(), slot) {
    setObjectName(QString("Bloco%1").arg(slot));
    setWindowFlag(Qt::Window);
    auto* layout = new QVBoxLayout(this);

    header_ = NamedLabel("Label9", QString(), this);
    header_->setAlignment(Qt::AlignCenter);
    layout->addWidget(header_);

    auto* fields = new QGridLayout;
    tag_ = AddField("TagText", &CalcBlockFields::TagText);
    description_ = AddField("DescricaoText", &CalcBlockFields::DescricaoText);
    function_ = AddField("FuncaoTr", &CalcBlockFields::FuncaoTr);
    fields->addWidget(NamedLabel("TagLabel", "Tag:", this), 0, 0);
    fields->addWidget(tag_, 0, 1);
    fields->addWidget(NamedLabel("DescricaoLabel", "Descrição:", this), 1, 0);
    fields->addWidget(description_, 1, 1);
    fields->addWidget(NamedLabel("Label2", QString(), this), 2, 0);
    fields->addWidget(function_, 2, 1);
    layout->addLayout(fields);
    // Room for a typical expression without scrolling.
    function_->setMinimumWidth(function_->fontMetrics().averageCharWidth() * 36);

    auto* output = new QHBoxLayout;
    address_ = NamedLabel("Label1", FromStd(model_.addressLabel), this);
    result_ = NamedLabel("Label6", FromStd(model_.result), this);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    result_->setAlignment(Qt::AlignCenter);
    result_->setFrameShape(QFrame::Panel);
    result_->setFrameShadow(QFrame::Sunken);
    output->addWidget(address_);
    output->addWidget(result_, 1);
    layout->addLayout(output);
    layout->addWidget(BuildLimits());

    auto* buttons = new QHBoxLayout;
    update_ = new QPushButton("Atualizar", this);
    update_->setObjectName("btnatualiza");
    connect(update_, &QPushButton::clicked, this, &TBloco::UpdateClicked);
    exit_ = new QPushButton("Sair", this);
    exit_->setObjectName("SairButton");
    exit_->setToolTip("Sair");
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
    auto* help = new QToolButton(this);
    help->setObjectName("SpeedButton1");
    help->setText("?");
    connect(help, &QToolButton::clicked, this,
            [this] { OpenWebPage(context_, kCalcBlockHelpPage); });
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(update_);
    buttons->addWidget(exit_);
    layout->addLayout(buttons);

    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::ticked, this, [this] {
        if (!isVisible()) return;
        model_.Refresh();
        result_->setText(FromStd(model_.result));
    });
    connect(&document, &ProjectDocument::objectChanged, this, [this](ObjectRef ref) {
        if (ref == model_.ref()) Sync();
    });
    ApplyTexts();
    Sync();
}

QLineEdit* TBloco::AddField(const char* name, std::string CalcBlockFields::*field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        model_.Edit([&](CalcBlockFields& f) { f.*field = text.toStdString(); });
        Sync();  // the buttons follow applyPending, set after the change was announced
    });
    return edit;
}

QCheckBox* TBloco::AddLimitBox(const char* name, const char* caption,
                               bool CalcBlockFields::*field) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, [this, field](bool on) {
        model_.Edit([&](CalcBlockFields& f) { f.*field = on; });
        Sync();
    });
    return box;
}

QWidget* TBloco::BuildLimits() {
    auto* group = new QGroupBox(this);
    group->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(group);
    upperOn_ = AddLimitBox("LimSupCheck", "Max", &CalcBlockFields::LimSupCheck);
    lowerOn_ = AddLimitBox("LimInfCheck", "Min:", &CalcBlockFields::LimInfCheck);
    upper_ = AddField("LimSupText", &CalcBlockFields::LimSupText);
    lower_ = AddField("LimInfText", &CalcBlockFields::LimInfText);
    grid->addWidget(upperOn_, 0, 0);
    grid->addWidget(upper_, 0, 1);
    grid->addWidget(lowerOn_, 1, 0);
    grid->addWidget(lower_, 1, 1);
    return group;
}

void TBloco::ApplyTexts() {
    Language language = model_.englishApplied ? Language::English : Language::Portuguese;
    ApplyWindowTexts(*this, kCalcBlockWindowTexts, language);
}

void TBloco::Sync() {
    const CalcBlockFields& f = model_.block().fields;
    SetFieldText(tag_, f.TagText);
    SetFieldText(description_, f.DescricaoText);
    SetFieldText(function_, f.FuncaoTr);
    SetFieldText(upper_, f.LimSupText);
    SetFieldText(lower_, f.LimInfText);
    upperOn_->setChecked(f.LimSupCheck);
    lowerOn_->setChecked(f.LimInfCheck);
    header_->setText(FromStd(model_.descriptionHeader));
    update_->setEnabled(model_.applyPending);
    exit_->setEnabled(!model_.applyPending);
}

void TBloco::UpdateClicked() {
    for (const std::string& message : model_.Apply())
        context_.platform.Message(FromStd(message));
    Sync();
}

bool TBloco::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        model_.Activate(context_.language());
        ApplyTexts();
        Sync();
    }
    return QWidget::event(event);
}

void TBloco::closeEvent(QCloseEvent* event) {
    // Edits not yet applied would leave the fields saying one thing and the scan another.
    if (model_.Leave())
        event->accept();
    else
        event->ignore();
}

}  // namespace vork
