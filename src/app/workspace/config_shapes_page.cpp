#include <QGridLayout>
#include <QSignalBlocker>

#include "app/std_text.h"
#include "app/workspace/tconfigform.h"
#include "project/project.h"

// The page "Imagens Animadas" of the configuration window: one row per animated shape.
namespace vork {

namespace {

constexpr int kSizeMax = 300;  // pixels
constexpr int kSizeStep = 2;

}  // namespace

QWidget* TConfigForm::BuildShapesPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    auto header = [page, grid](const char* name, int column, int span) {
        auto* label = new QLabel(page);
        label->setObjectName(name);
        grid->addWidget(label, 0, column, 1, span);
    };
    header("VariavelLabel", 2, 1);
    header("DimensoesLabel", 3, 4);
    header("CoresLabel", 7, 2);
    for (int k = 1; k <= 5; ++k) {
        ShapeRow& row = shapes_[k - 1];
        QString n = QString::number(k);
        row.check = new QCheckBox(n, page);
        row.check->setObjectName("Imagem" + n + "Check");
        connect(row.check, &QCheckBox::clicked, this,
                [this, k](bool checked) { model_.ShapeCheckClick(k, checked); });
        row.type = new QComboBox(page);
        row.type->setObjectName("Imagem" + n + "Tipo");
        row.type->addItems({QString(), QString()});
        connect(row.type, &QComboBox::activated, this,
                [this, k](int type) { model_.SetShapeType(k, type); });
        row.variable = new QComboBox(page);
        row.variable->setObjectName("Imagem" + n + "Var");
        row.variable->setEditable(true);
        for (int v = 1; v <= Shape::kVariables; ++v)
            row.variable->addItem(QString::number(v));
        connect(row.variable, &QComboBox::currentTextChanged, this, [this, k](const QString& text) {
            if (text.toStdString() != context_.project().workspace.shapes[k - 1].ImagemVar)
                model_.SetShapeVariable(k, text.toStdString());
        });
        // A read-only number with its arrows: `Imagem`n`Tamanho` with `Imagem`n`Tam`.
        auto size = [page](const QString& field, const QString& arrows, QLineEdit*& number,
                           UpDown*& upDown) {
            number = new QLineEdit(page);
            number->setObjectName(field);
            number->setReadOnly(true);
            number->setMaximumWidth(48);
            upDown = new UpDown(0, kSizeMax, kSizeStep, page);
            upDown->setObjectName(arrows);
        };
        size("Imagem" + n + "Tamanho", "Imagem" + n + "Tam", row.height, row.heightArrows);
        size("Imagem" + n + "TamanhoW", "Imagem" + n + "TamW", row.width, row.widthArrows);
        connect(row.heightArrows, &UpDown::valueChanged, this,
                [this, k](int pixels) { model_.SetShapeHeight(k, pixels); });
        connect(row.widthArrows, &UpDown::valueChanged, this,
                [this, k](int pixels) { model_.SetShapeWidth(k, pixels); });
        row.colour1 = new ColourBox(page);
        row.colour1->setObjectName("Imagem" + n + "Cor1");
        row.colour2 = new ColourBox(page);
        row.colour2->setObjectName("Imagem" + n + "Cor2");
        connect(row.colour1, &ColourBox::colourChosen, this,
                [this, k](Colour c) { model_.SetShapeColour(k, 1, c); });
        connect(row.colour2, &ColourBox::colourChosen, this,
                [this, k](Colour c) { model_.SetShapeColour(k, 2, c); });
        int column = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 row.check, row.type, row.variable, row.height, row.heightArrows, row.width,
                 row.widthArrows, row.colour1, row.colour2})
            grid->addWidget(w, k, column++);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    return page;
}

void TConfigForm::SyncShapes() {
    for (int k = 1; k <= 5; ++k) {
        const Shape& shape = context_.project().workspace.shapes[k - 1];
        ShapeRow& row = shapes_[k - 1];
        row.check->setChecked(shape.ImagemCheck);
        row.type->setCurrentIndex(shape.ImagemTipo);
        if (row.variable->currentText() != FromStd(shape.ImagemVar)) {
            QSignalBlocker quiet(row.variable);
            row.variable->setEditText(FromStd(shape.ImagemVar));
        }
        row.heightArrows->SetValue(shape.ImagemTam);
        row.height->setText(QString::number(shape.ImagemTam));
        row.widthArrows->SetValue(shape.ImagemTamW);
        row.width->setText(QString::number(shape.ImagemTamW));
        row.colour1->SetColour(shape.ImagemCor1);
        row.colour2->SetColour(shape.ImagemCor2);
        bool available = model_.shapeSettingsEnabled(k);
        for (QWidget* w :
             std::initializer_list<QWidget*>{row.type, row.variable, row.colour1, row.colour2})
            w->setEnabled(available);
    }
}

}  // namespace vork
