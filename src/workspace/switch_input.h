#pragma once

namespace vork {

// One of the two switches: its settings (`Chave`n`Check`, `Chave`n`Tipo`) and its eight
// pictures `Chave`n`p1` .. `Chave`n`p8`, all at one place. Switch k writes M(10+k).
struct SwitchInput {
    static constexpr int kTypes = 4;  // "para esquerda", "para cima", "para direita", "para baixo"

    bool ChaveCheck = false;  // the switch is in use
    int ChaveTipo = 0;        // picture set, a list position 0..3
    int top = 0;              // pixels, shared by the eight pictures
    int left = 0;
    int visiblePicture = 0;  // 1..8 for `Chave`n`p1` .. `p8`; 0 when all are hidden

    // Shows the picture of the chosen set for the value (set t: p(2t+1) for state 0, p(2t+2) for
    // state 1) and hides the others; a type outside the list shows none.
    void ShowPictureFor(double value);
};

}  // namespace vork
