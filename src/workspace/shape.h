#pragma once

#include <string>

#include "workspace/colour.h"
#include "workspace/place.h"

namespace vork {

// An animated shape: its settings on the configuration page "Imagens Animadas" (`Imagem`n...)
// and the main-window shape `Shape`n.
struct Shape {
    static constexpr int kVariables = 99;

    bool ImagemCheck = false;     // the shape is in use
    int ImagemTipo = 0;           // 0 "Círculo de Cor Variável", 1 "Retângulo Tamanho Variável"
    std::string ImagemVar = "1";  // number of the variable shown, as typed ("1" .. "99")
    Colour ImagemCor1 = kRed;     // colour for 0 (circle), bar colour (rectangle)
    Colour ImagemCor2 = kLime;    // colour for values other than 0 (circle)
    int ImagemTam = 50;           // circle: height in pixels; rectangle: pixels per 50 percent
    int ImagemTamW = 50;          // width in pixels

    Place shape;           // displayed position of `Shape`n
    int referenceTop = 0;  // top of the shape at rest (a rectangle's top at 100 percent)

    // Position in the variable list "1" .. "99" (-1 when the typed text is none of them).
    int VariablePosition() const;
    // Selects list position p (variable p + 1); a position outside the list selects nothing.
    void SelectVariable(int position);
};

}  // namespace vork
