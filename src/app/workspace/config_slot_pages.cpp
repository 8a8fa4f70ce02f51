#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/std_text.h"
#include "app/workspace/tconfigform.h"
#include "windows/slot_boxes.h"

// The slot pages of the configuration window and the characterizer panel on the first page.
namespace vork {

QCheckBox* TConfigForm::AddSlotBox(SlotKind kind, int slot, QWidget* parent) {
    const SlotBox& entry = SlotBoxOf(kind, slot);
    auto* box = new QCheckBox(parent);
    box->setObjectName(FromStd(entry.name));
    ObjectRef ref{KindOf(kind), slot};
    boxes_[box] = ref;
    connect(box, &QCheckBox::clicked, this,
            [this, ref](bool checked) { model_.CheckBoxClick(ref, checked); });
    return box;
}

QWidget* TConfigForm::BuildSlotPage(SlotKind kind, int columns) {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    int count = SlotCount(kind);
    int rows = (count + columns - 1) / columns;
    for (int slot = 1; slot <= count; ++slot)
        grid->addWidget(AddSlotBox(kind, slot, page), (slot - 1) % rows, (slot - 1) / rows);
    grid->setRowStretch(rows, 1);
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column, 1);
    return page;
}

QWidget* TConfigForm::BuildControllersPage() {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    auto* pid = new QGroupBox(page);
    pid->setObjectName("GroupBox1");
    auto* column = new QVBoxLayout(pid);
    for (int slot = 1; slot <= SlotCount(SlotKind::Controller); ++slot)
        column->addWidget(AddSlotBox(SlotKind::Controller, slot, pid));
    column->addStretch(1);
    row->addWidget(pid, 1);
    row->addWidget(BuildCharacterizerPanel(page));
    return page;
}

QWidget* TConfigForm::BuildCharacterizerPanel(QWidget* parent) {
    auto* panel = new QGroupBox(parent);
    panel->setObjectName("Lin1Panel");
    auto* grid = new QGridLayout(panel);
    auto label = [panel](const char* name) {
        auto* l = new QLabel(panel);
        l->setObjectName(name);
        return l;
    };
    QLabel* title = label("Label34");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    characterizerOn_ = new QCheckBox(panel);
    characterizerOn_->setObjectName("Lin1Ativar");
    connect(characterizerOn_, &QCheckBox::clicked, this, [this](bool on) {
        model_.EditCharacterizer([on](CharacterizerFields& f) { f.Lin1Ativar = on; });
    });
    characterizerInput_ = new QComboBox(panel);
    characterizerInput_->setObjectName("Lin1EndEnt");
    characterizerInput_->setEditable(true);
    characterizerInput_->setMinimumContentsLength(12);
    characterizerInput_->installEventFilter(this);
    connect(characterizerInput_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        std::string input = text.toStdString();
        if (input == model_.characterizer().Lin1EndEnt) return;
        model_.EditCharacterizer([&](CharacterizerFields& f) { f.Lin1EndEnt = input; });
    });
    auto* output = new QLineEdit(panel);
    output->setObjectName("Lin1EndSai");
    output->setEnabled(false);
    output->setText(FromStd(model_.characterizerOutputText()));

    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(characterizerOn_, 1, 0, 1, 2);
    grid->addWidget(label("Label30"), 2, 0);
    grid->addWidget(characterizerInput_, 2, 1);
    grid->addWidget(label("Label31"), 3, 0);
    grid->addWidget(output, 3, 1);
    auto* points = new QGridLayout;
    points->addWidget(label("MVLabel"), 0, 0, Qt::AlignCenter);
    points->addWidget(label("PVLabel"), 0, 1, Qt::AlignCenter);
    for (int i = 0; i < 6; ++i) {
        for (int axis = 0; axis < 2; ++axis) {
            auto* field = new QLineEdit(panel);
            field->setObjectName(QString(axis == 0 ? "Lin1MV%1" : "Lin1PV%1").arg(i + 1));
            field->setMaximumWidth(70);
            connect(field, &QLineEdit::textEdited, this, [this, i, axis](const QString& text) {
                model_.EditCharacterizer([&](CharacterizerFields& f) {
                    (axis == 0 ? f.Lin1MV : f.Lin1PV)[i] = text.toStdString();
                });
            });
            (axis == 0 ? mv_ : pv_)[i] = field;
            points->addWidget(field, i + 1, axis);
        }
    }
    grid->addLayout(points, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return panel;
}

void TConfigForm::SyncCharacterizer() {
    const CharacterizerFields& f = model_.characterizer();
    characterizerOn_->setChecked(f.Lin1Ativar);
    if (characterizerInput_->currentText() != FromStd(f.Lin1EndEnt)) {
        QSignalBlocker quiet(characterizerInput_);
        characterizerInput_->setEditText(FromStd(f.Lin1EndEnt));
    }
    for (int i = 0; i < 6; ++i) {
        if (mv_[i]->text() != FromStd(f.Lin1MV[i])) mv_[i]->setText(FromStd(f.Lin1MV[i]));
        if (pv_[i]->text() != FromStd(f.Lin1PV[i])) pv_[i]->setText(FromStd(f.Lin1PV[i]));
    }
}

}  // namespace vork
