#include <QFrame>
#include <QGridLayout>
#include <QVBoxLayout>

#include "app/std_text.h"
#include "app/workspace/tconfigform.h"
#include "project/project.h"

// The page "Comandos" of the configuration window: switches, push buttons and sliders.
namespace vork {

namespace {

constexpr int kButtonTextLength = 16;
constexpr int kButtonCaptionLength = 15;

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void SetText(QLineEdit* field, const std::string& text) {
    if (field->text() != FromStd(text)) field->setText(FromStd(text));
}

}  // namespace

QWidget* TConfigForm::BuildCommandsPage() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);

    auto* switches = new QGridLayout;
    for (int k = 1; k <= 2; ++k) {
        auto* check = new QCheckBox(page);
        check->setObjectName(QString("Chave%1Check").arg(k));
        auto* type = new QComboBox(page);
        type->setObjectName(QString("Chave%1Tipo").arg(k));
        type->addItems({QString(), QString(), QString(), QString()});
        auto* output = new QLabel(page);
        output->setObjectName(k == 1 ? "Label22" : "Label23");
        connect(check, &QCheckBox::clicked, this,
                [this, k](bool on) { model_.SetSwitchInUse(k, on); });
        connect(type, &QComboBox::activated, this,
                [this, k](int set) { model_.SetSwitchType(k, set); });
        switches->addWidget(check, k - 1, 0);
        switches->addWidget(type, k - 1, 1);
        switches->addWidget(output, k - 1, 2);
        switches_[k - 1] = {check, type};
    }
    switches->setColumnStretch(3, 1);
    column->addLayout(switches);
    column->addWidget(Separator(page));

    auto* buttons = new QGridLayout;
    const char* fieldNames[3][3] = {
        {"Edit8", "Edit2", "Edit3"}, {"Edit9", "Edit4", "Edit5"}, {"Edit10", "Edit6", "Edit7"}};
    for (int k = 1; k <= 3; ++k) {
        ButtonRow& row = buttons_[k - 1];
        row.check = new QCheckBox(page);
        row.check->setObjectName(QString("Botao%1_check").arg(k));
        connect(row.check, &QCheckBox::clicked, this,
                [this, k](bool on) { model_.SetButtonInUse(k, on); });
        buttons->addWidget(row.check, k - 1, 0);
        QLineEdit** fields[3] = {&row.description, &row.textOff, &row.textOn};
        ButtonField meanings[3] = {ButtonField::Description, ButtonField::TextOff,
                                   ButtonField::TextOn};
        for (int f = 0; f < 3; ++f) {
            auto* field = new QLineEdit(page);
            field->setObjectName(fieldNames[k - 1][f]);
            field->setMaxLength(f == 0 ? kButtonCaptionLength : kButtonTextLength);
            ButtonField meaning = meanings[f];
            connect(field, &QLineEdit::textEdited, this, [this, k, meaning](const QString& text) {
                model_.SetButtonText(k, meaning, text.toStdString());
            });
            *fields[f] = field;
            buttons->addWidget(field, k - 1, f + 1);
        }
    }
    column->addLayout(buttons);
    column->addWidget(Separator(page));

    auto* tracks = new QGridLayout;
    const char* checkNames[] = {"Ent1check", "Ent2Check", "Ent3Check",
                                "Ent4Check", "Ent5Check", "Ent6Check"};
    for (int k = 1; k <= 6; ++k) {
        TrackRow& row = tracks_[k - 1];
        row.check = new QCheckBox(page);
        row.check->setObjectName(checkNames[k - 1]);
        row.caption = new QLineEdit(page);
        row.caption->setObjectName(QString("Ent%1Label").arg(k));
        row.bar = new QCheckBox(page);
        row.bar->setObjectName(k == 1 ? QString("Ent1track") : QString("Ent%1Track").arg(k));
        connect(row.check, &QCheckBox::clicked, this,
                [this, k](bool on) { model_.SetTrackInUse(k, on); });
        connect(row.caption, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { model_.SetTrackCaption(k, text.toStdString()); });
        connect(row.bar, &QCheckBox::clicked, this,
                [this, k](bool on) { model_.SetTrackBarShown(k, on); });
        int r = (k - 1) % 3, c = (k - 1) / 3 * 4;
        tracks->addWidget(row.check, r, c);
        tracks->addWidget(row.caption, r, c + 1);
        tracks->addWidget(row.bar, r, c + 2);
    }
    tracks->setColumnStretch(1, 1);
    tracks->setColumnMinimumWidth(3, 24);  // between the two columns of sliders
    tracks->setColumnStretch(5, 1);
    column->addLayout(tracks);
    column->addStretch(1);
    return page;
}

void TConfigForm::SyncCommands() {
    const Workspace& ws = context_.project().workspace;
    for (int k = 1; k <= 2; ++k) {
        auto [check, type] = switches_[k - 1];
        check->setChecked(ws.switches[k - 1].ChaveCheck);
        type->setCurrentIndex(ws.switches[k - 1].ChaveTipo);
        type->setEnabled(model_.switchTypeEnabled(k));
    }
    for (int k = 1; k <= 3; ++k) {
        const PushButton& button = ws.commandPanel.buttons[k - 1];
        ButtonRow& row = buttons_[k - 1];
        row.check->setChecked(button.BotaoCheck);
        row.check->setEnabled(model_.buttonBoxEnabled(k));
        SetText(row.description, button.description);
        SetText(row.textOff, button.textOff);
        SetText(row.textOn, button.textOn);
        for (QLineEdit* field : {row.description, row.textOff, row.textOn})
            field->setEnabled(model_.buttonFieldsEnabled(k));
    }
    for (int k = 1; k <= 6; ++k) {
        const Track& track = ws.tracks[k - 1];
        TrackRow& row = tracks_[k - 1];
        row.check->setChecked(track.EntCheck);
        SetText(row.caption, track.EntLabel);
        row.bar->setChecked(track.EntTrack);
        row.caption->setEnabled(model_.trackFieldsEnabled(k));
        row.bar->setEnabled(model_.trackFieldsEnabled(k));
    }
}

}  // namespace vork
