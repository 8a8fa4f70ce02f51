#include "app/engine/tform2.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

#include "app/engine/refilled_box.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"

namespace vork {

namespace {

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TForm2::TForm2(AppContext& context, int slot) : context_(context), model_(context.project(), slot) {
    setObjectName(QString("Form2_%1").arg(slot));
    setWindowFlag(Qt::Window);
    auto* layout = new QVBoxLayout(this);
    header_ = NamedLabel("Label4", this);
    header_->setAlignment(Qt::AlignCenter);
    layout->addWidget(header_);
    layout->addWidget(BuildType());
    layout->addWidget(BuildSource());
    layout->addWidget(BuildFields());
    result_ = NamedLabel("Label1", this);
    result_->setAlignment(Qt::AlignCenter);
    result_->setFrameShape(QFrame::Panel);
    result_->setFrameShadow(QFrame::Sunken);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    layout->addWidget(result_);
    auto* exit = new QPushButton("Sair", this);
    exit->setObjectName("SairButton");
    exit->setToolTip("Sair");
    connect(exit, &QPushButton::clicked, this, [this] {
        model_.Leave();
        Sync();
        hide();
    });
    layout->addWidget(exit, 0, Qt::AlignRight);

    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::ticked, this, [this](bool displayRefreshed) {
        if (!displayRefreshed || !isVisible()) return;
        model_.Refresh();
        ShowResult();
    });
    connect(&document, &ProjectDocument::objectChanged, this, [this](ObjectRef ref) {
        if (ref == model_.ref()) Sync();
    });
    ApplyTexts();
    Sync();
}

QWidget* TForm2::BuildType() {
    auto* group = new QGroupBox(this);
    group->setObjectName("Tipo");
    auto* row = new QHBoxLayout(group);
    type_ = new QButtonGroup(group);
    for (int position = 0; position < 3; ++position) {
        auto* button = new QRadioButton(group);
        type_->addButton(button, position);
        row->addWidget(button);
    }
    connect(type_, &QButtonGroup::idClicked, this, [this](int position) {
        model_.ChooseType(position);
        Sync();
    });
    return group;
}

QWidget* TForm2::BuildSource() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    source_ = NamedLabel("Label3", area);
    source_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    variable_ = new RefilledBox(
        [this] {
            QSignalBlocker quiet(variable_);
            variable_->clear();
            for (const std::string& entry : model_.variableList())
                variable_->addItem(FromStd(entry));
            variable_->setCurrentIndex(model_.text().fields.ComboBox1);
        },
        area);
    variable_->setObjectName("ComboBox1");
    for (const std::string& entry : model_.variableList())
        variable_->addItem(FromStd(entry));
    connect(variable_, &QComboBox::activated, this, [this](int position) {
        model_.ChooseVariable(position);
        Sync();
    });
    function_ = AddField("FuncaoTr", &AnimatedTextFields::FuncaoTr);
    row->addWidget(source_);
    row->addWidget(variable_);
    row->addWidget(function_, 1);
    return area;
}

QLineEdit* TForm2::AddField(const char* name, std::string AnimatedTextFields::*field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        model_.Edit([&](AnimatedTextFields& f) { f.*field = text.toStdString(); });
    });
    return edit;
}

QWidget* TForm2::BuildFields() {
    auto* area = new QWidget(this);
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    auto pair = [&](const char* label, QLineEdit* field) {
        auto* caption = NamedLabel(label, area);
        form->addRow(caption, field);
        return std::pair{caption, field};
    };
    description_ = AddField("DescricaoText", &AnimatedTextFields::DescricaoText);
    form->addRow(NamedLabel("Label2", area), description_);

    auto* spanMax = new QLineEdit(this);
    spanMax->setObjectName("Edit1");
    connect(spanMax, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetSpanMax(text.toStdString()); });
    auto* spanMin = new QLineEdit(this);
    spanMin->setObjectName("Edit4");
    connect(spanMin, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetSpanMin(text.toStdString()); });
    unit_ = AddField("Unidade", &AnimatedTextFields::Unidade);
    span_ = {pair("Label6", unit_), pair("Label8", spanMin), pair("Label7", spanMax)};

    auto* decimalsRow = new QHBoxLayout;
    decimals_ = new QLineEdit(area);
    decimals_->setObjectName("CasasDecimais");
    decimals_->setReadOnly(true);
    decimals_->setMaximumWidth(decimals_->fontMetrics().averageCharWidth() * 6);
    decimalArrows_ = new UpDown(0, 5, 1, area);
    decimalArrows_->setObjectName("CasasDecimaisUpDown");
    connect(decimalArrows_, &UpDown::valueChanged, this, [this](int decimals) {
        model_.SetDecimals(decimals);
        Sync();
    });
    decimalsRow->addWidget(decimals_);
    decimalsRow->addWidget(decimalArrows_);
    decimalsRow->addStretch(1);
    auto* decimalsLabel = NamedLabel("Label5", area);
    decimalsLabel->setText("Decimais:");
    form->addRow(decimalsLabel, decimalsRow);

    alarms_ = {pair("Label10", AddField("Edit3", &AnimatedTextFields::Edit3)),
               pair("Label9", AddField("Edit2", &AnimatedTextFields::Edit2))};
    return area;
}

void TForm2::ApplyTexts() {
    Language language = model_.englishApplied ? Language::English : Language::Portuguese;
    ApplyWindowTexts(*this, kAnimatedTextWindowTexts, language);
}

void TForm2::Sync() {
    const AnimatedTextFields& f = model_.text().fields;
    AnimatedTextLayout layout = model_.layout();
    if (QAbstractButton* chosen = type_->button(f.Tipo)) chosen->setChecked(true);
    source_->setText(FromStd(model_.sourceCaption));
    header_->setText(FromStd(model_.descriptionHeader));
    variable_->setVisible(layout.variableList);
    function_->setVisible(layout.funcaoTr);
    if (variable_->currentIndex() != f.ComboBox1) {
        QSignalBlocker quiet(variable_);
        variable_->setCurrentIndex(f.ComboBox1);
    }
    for (auto [label, field] : span_) {
        label->setVisible(layout.spanFields);
        field->setVisible(layout.spanFields);
        field->setReadOnly(layout.fieldsReadOnly);
    }
    for (auto [label, field] : alarms_) {
        label->setVisible(layout.alarmFields);
        field->setVisible(layout.alarmFields);
        field->setReadOnly(layout.fieldsReadOnly);
    }
    SyncFields();
    ShowResult();
}

void TForm2::SyncFields() {
    const AnimatedTextFields& f = model_.text().fields;
    SetFieldText(function_, f.FuncaoTr);
    SetFieldText(description_, f.DescricaoText);
    SetFieldText(unit_, f.Unidade);
    SetFieldText(span_[1].second, f.Edit4);
    SetFieldText(span_[2].second, f.Edit1);
    SetFieldText(alarms_[0].second, f.Edit3);
    SetFieldText(alarms_[1].second, f.Edit2);
    SetFieldText(decimals_, std::to_string(f.CasasDecimais));
    decimalArrows_->SetValue(f.CasasDecimais);
}

void TForm2::ShowResult() {
    result_->setText(FromStd(model_.result.text));
    QPalette palette = result_->palette();
    QColor colour = model_.result.colour == TextColour::Red    ? QColor(Qt::red)
                    : model_.result.colour == TextColour::Blue ? QColor(Qt::blue)
                                                               : palette.color(QPalette::Text);
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    result_->setPalette(palette);
}

bool TForm2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        model_.Activate(context_.language());
        ApplyTexts();
        Sync();
    }
    return QWidget::event(event);
}

}  // namespace vork
