#include "workspace/push_buttons.h"

#include "plant/addresses.h"

namespace vork {

void PushButton::ShowPictureFor(double value) {
    releasedVisible = value != 1.0;
    pressedVisible = value == 1.0;
}

CommandPanel::CommandPanel() {
    for (int k = 0; k < kButtons; ++k) {
        std::string address = "M" + std::to_string(ButtonAddress(k + 1));
        buttons[k].textOff = "Texto para " + address + "=0";
        buttons[k].textOn = "Texto para " + address + "=1";
    }
}

void CommandPanel::FitToButtons() {
    // Button k can be in use only while button k - 1 is, so only the leading chain counts.
    int chain = 0;
    while (chain < kButtons && buttons[chain].BotaoCheck)
        ++chain;
    PainelComando.visible = chain > 0;
    if (chain > 0) height = 20 + 50 * chain;
}

}  // namespace vork
