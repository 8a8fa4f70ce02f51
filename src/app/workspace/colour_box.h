#pragma once

#include <QComboBox>

#include "workspace/colour.h"

namespace vork {

// A list of the standard colours, each with its swatch (`Imagem`n`Cor1`, `Imagem`n`Cor2`). A
// colour outside the list, read from a file, is shown as an extra entry.
class ColourBox : public QComboBox {
    Q_OBJECT

  public:
    explicit ColourBox(QWidget* parent);

    Colour colour() const;
    // Shows the colour without telling anyone.
    void SetColour(Colour colour);

  Q_SIGNALS:
    // The user chose a colour.
    void colourChosen(Colour colour);
};

}  // namespace vork
