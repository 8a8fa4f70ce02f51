#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/loops/tcontrolador.h"
#include "app/std_text.h"

// The configuration area `Panel2` of the controller window.

namespace vork {

namespace {

QGroupBox* Group(const char* name, const char* title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

QLabel* Caption(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QFormLayout* Form(QWidget* group) {
    auto* form = new QFormLayout(group);
    form->setContentsMargins(6, 4, 6, 4);
    form->setVerticalSpacing(2);
    return form;
}

}  // namespace

void TControlador::BuildConfiguration() {
    panel2_ = new QFrame(this);
    panel2_->setObjectName("Panel2");
    panel2_->setFrameShape(QFrame::Panel);
    panel2_->setFrameShadow(QFrame::Raised);
    panel2_->setGeometry(ControllerWindow::kNarrowWidth, 0,
                         ControllerWindow::kWideWidth - ControllerWindow::kNarrowWidth,
                         ControllerWindow::kHeight);
    auto* grid = new QGridLayout(panel2_);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(4);
    grid->addWidget(BuildIdentification(), 0, 0, 1, 2);
    grid->addWidget(BuildParameters(), 1, 0, 2, 1);
    grid->addWidget(BuildScaleAndGroups(), 1, 1, 2, 1);
    grid->addWidget(BuildVariables(), 0, 2, 3, 1);
    grid->setRowStretch(2, 1);
}

QLineEdit* TControlador::ConfigText(const char* name, std::string ControllerFields::*field) {
    auto* edit = new QLineEdit(panel2_);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        model_.Edit([&](ControllerFields& f) { f.*field = text.toStdString(); });
        Sync();
    });
    texts_.push_back({edit, field});
    return edit;
}

QRadioButton* TControlador::RadioItem(QWidget* group, int position, int ControllerFields::*field) {
    auto* radio = new QRadioButton(group);
    connect(radio, &QRadioButton::clicked, this, [this, position, field] {
        model_.Edit([&](ControllerFields& f) { f.*field = position; });
        Sync();
    });
    radios_.push_back({radio, position, field});
    return radio;
}

QWidget* TControlador::BuildIdentification() {
    QGroupBox* group = Group("GroupBox1", "Identificação", panel2_);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(Caption("Label40", "Tag", group));
    row->addWidget(ConfigText("TagText", &ControllerFields::TagText), 1);
    row->addWidget(Caption("Label42", "Desc", group));
    row->addWidget(ConfigText("Descricao", &ControllerFields::Descricao), 3);
    return group;
}

QWidget* TControlador::BuildParameters() {
    auto* column = new QWidget(panel2_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* group = Group("ParametrosGroup", "Parâmetros", column);
    QFormLayout* form = Form(group);
    form->addRow(Caption("Label31", "Kc:", group), ConfigText("KpText", &ControllerFields::KpText));
    form->addRow(Caption("Label32", "Ti(seg):", group),
                 ConfigText("KiText", &ControllerFields::KiText));
    form->addRow(Caption("Label33", "Td(seg):", group),
                 ConfigText("KdText", &ControllerFields::KdText));
    form->addRow(Caption("Label34", "Bias(%)", group),
                 ConfigText("BiasText", &ControllerFields::BiasText));
    form->addRow(Caption("Label35", "Fator SP (a):", group),
                 ConfigText("aText", &ControllerFields::aText));
    form->addRow(Caption("Label41", "Banda Morta(%):", group),
                 ConfigText("tfText", &ControllerFields::tfText));
    auto* actions = new QHBoxLayout;
    for (auto [name, field] :
         {std::pair{"PCHK", &ControllerFields::PCHK}, std::pair{"ICHK", &ControllerFields::ICHK},
          std::pair{"DCHK", &ControllerFields::DCHK}}) {
        auto* box = new QCheckBox(QString(name).left(1), group);
        box->setObjectName(name);
        connect(box, &QCheckBox::clicked, this, [this, field](bool on) {
            model_.Edit([&](ControllerFields& f) { f.*field = on; });
            Sync();
        });
        checks_.push_back({box, field});
        actions->addWidget(box);
    }
    form->addRow(actions);
    layout->addWidget(group);
    QGroupBox* limits = Group("GroupBox4", "Limites de Saída", column);
    QFormLayout* limitForm = Form(limits);
    limitForm->addRow(Caption("Label45", "CO Min.:", limits),
                      ConfigText("COminText", &ControllerFields::COminText));
    limitForm->addRow(Caption("Label46", "CO Max.:", limits),
                      ConfigText("COmaxText", &ControllerFields::COmaxText));
    layout->addWidget(limits);
    layout->addStretch(1);
    return column;
}

QWidget* TControlador::BuildScaleAndGroups() {
    auto* column = new QWidget(panel2_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* scale = Group("EscalaGroup", "Escala", column);
    QFormLayout* form = Form(scale);
    const std::array<std::pair<const char*, const char*>, 3> rows{
        {{"Label37", "InicioEscala"}, {"Label38", "FimEscala"}, {"Label39", "UnidEng"}}};
    const char* captions[] = {"Início", "Final", "Unid."};
    for (size_t i = 0; i < rows.size(); ++i) {
        scale_[i] = new QLineEdit(scale);
        scale_[i]->setObjectName(rows[i].second);
        scale_[i]->setReadOnly(true);
        form->addRow(Caption(rows[i].first, captions[i], scale), scale_[i]);
    }
    layout->addWidget(scale);
    for (auto [name, field] : {std::pair{"Acaogroup", &ControllerFields::Acaogroup},
                               std::pair{"EstruturaGroup", &ControllerFields::EstruturaGroup},
                               std::pair{"DerivadaGroup", &ControllerFields::DerivadaGroup}}) {
        QGroupBox* group = Group(name, "", column);
        auto* items = new QVBoxLayout(group);
        items->setContentsMargins(6, 0, 6, 2);
        items->setSpacing(0);
        auto* exclusive = new QButtonGroup(group);
        for (int position = 0; position < 2; ++position) {
            QRadioButton* radio = RadioItem(group, position, field);
            exclusive->addButton(radio);
            items->addWidget(radio);
        }
        layout->addWidget(group);
    }
    layout->addStretch(1);
    return column;
}

QWidget* TControlador::BuildVariables() {
    auto* column = new QWidget(panel2_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto list = [this, column](const char* name, int ControllerFields::*field) {
        auto* combo = new QComboBox(column);
        combo->setObjectName(name);
        combo->setMaxVisibleItems(20);
        connect(combo, &QComboBox::activated, this, [this, field](int position) {
            model_.Edit([&](ControllerFields& f) { f.*field = position; });
            Sync();
        });
        combo->installEventFilter(this);
        return combo;
    };
    layout->addWidget(Caption("Label36", "PV", column));
    pvList_ = list("VariavelSelect", &ControllerFields::VariavelSelect);
    layout->addWidget(pvList_);
    remoteCheck_ = new QCheckBox("SPR", column);
    remoteCheck_->setObjectName("CheckSPR");
    connect(remoteCheck_, &QCheckBox::clicked, this, [this](bool on) {
        model_.CheckSPRChange(on);
        SyncConfiguration();
        Sync();
    });
    layout->addWidget(remoteCheck_);
    remoteList_ = list("SPRSelect", &ControllerFields::SPRSelect);
    layout->addWidget(remoteList_);
    auto check = [this, column](const char* name, const char* text, bool ControllerFields::*field) {
        auto* box = new QCheckBox(text, column);
        box->setObjectName(name);
        connect(box, &QCheckBox::clicked, this, [this, field](bool on) {
            model_.Edit([&](ControllerFields& f) { f.*field = on; });
            Sync();
        });
        checks_.push_back({box, field});
        return box;
    };
    layout->addWidget(check("FFwSelect", "FF", &ControllerFields::FFwSelect));
    QLineEdit* feedForward = ConfigText("FFwEquation", &ControllerFields::FFwEquation);
    feedForward->setParent(column);
    layout->addWidget(feedForward);
    layout->addWidget(
        check("BackMVCheck", "End. p/ Realim.de MV:", &ControllerFields::BackMVCheck));
    slaveList_ = list("BackMV", &ControllerFields::BackMV);
    layout->addWidget(slaveList_);
    layout->addStretch(1);
    apply_ = new QPushButton("Atualizar", column);
    apply_->setObjectName("btnatualiza");
    connect(apply_, &QPushButton::clicked, this, [this] {
        for (const std::string& message : model_.Apply())
            context_.platform.Message(FromStd(message));
        SyncConfiguration();
        ApplyTexts();
        Sync();
    });
    layout->addWidget(apply_);
    return column;
}

void TControlador::FillList(QComboBox* list, const std::vector<std::string>& items, int selected) {
    QSignalBlocker quiet(list);
    if (list->count() != static_cast<int>(items.size())) {
        list->clear();
        for (const std::string& item : items)
            list->addItem(FromStd(item));
    } else {
        for (int i = 0; i < list->count(); ++i)
            list->setItemText(i, FromStd(items[static_cast<size_t>(i)]));
    }
    list->setCurrentIndex(selected);
}

// The configuration fields as the controller holds them.
void TControlador::SyncConfiguration() {
    const ControllerFields& f = model_.controller().fields;
    for (auto& [edit, field] : texts_) {
        QSignalBlocker quiet(edit);
        if (edit->text() != FromStd(f.*field)) edit->setText(FromStd(f.*field));
    }
    for (auto& [box, field] : checks_) {
        QSignalBlocker quiet(box);
        box->setChecked(f.*field);
    }
    for (auto& [radio, position, field] : radios_) {
        QSignalBlocker quiet(radio);
        radio->setChecked(f.*field == position);
    }
    {
        QSignalBlocker quiet(remoteCheck_);
        remoteCheck_->setChecked(f.CheckSPR);
    }
    FillList(pvList_, model_.VariavelSelectItems, f.VariavelSelect);
    FillList(remoteList_, model_.SPRSelectItems, f.SPRSelect);
    FillList(slaveList_, model_.BackMVItems, f.BackMV);
    scale_[0]->setText(FromStd(f.InicioEscala));
    scale_[1]->setText(FromStd(f.FimEscala));
    scale_[2]->setText(FromStd(f.UnidEng));
}

}  // namespace vork
