#pragma once

#include <array>
#include <string>

#include "engine/language.h"
#include "workspace/place.h"

namespace vork {

// One push button of the command panel. Button k writes M(96+k).
struct PushButton {
    bool BotaoCheck = false;       // `Botao`k`_check`: the button is in use
    std::string textOff;           // `Edit2`, `Edit4`, `Edit6`: shown while the variable is 0
    std::string textOn;            // `Edit3`, `Edit5`, `Edit7`: shown while it is not 0
    std::string description;       // `Edit8`, `Edit9`, `Edit10`: the button's caption
    bool releasedVisible = false;  // `Botao`k`_norm`
    bool pressedVisible = false;   // `botao`k`_press`

    // Shows the released picture when the value differs from 1, the pressed one when it is 1.
    void ShowPictureFor(double value);
};

// The group box `PainelComando` with its three buttons.
struct CommandPanel {
    static constexpr int kButtons = 3;

    Place PainelComando{120, 24, false};
    int height = 70;  // pixels: 70, 120 or 170 for one, two or three buttons in use
    std::array<PushButton, kButtons> buttons;

    CommandPanel();
    // The default texts of the buttons ("Texto para M97=0", "Descrição") in `language`; a text
    // that is not a default of the other language stays.
    void SetDefaultTexts(Language language);
    // Shows the panel while button 1 is in use, as high as the chain of buttons in use.
    void FitToButtons();
};

}  // namespace vork
