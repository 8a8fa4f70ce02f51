#include "workspace/push_buttons.h"

#include "plant/addresses.h"

namespace vork {

void PushButton::ShowPictureFor(double value) {
    releasedVisible = value != 1.0;
    pressedVisible = value == 1.0;
}

namespace {

struct ButtonDefaults {
    std::string textOff, textOn, description;
};

ButtonDefaults DefaultsOf(int k, Language language) {
    std::string address = "M" + std::to_string(ButtonAddress(k));
    if (language == Language::English)
        return {"Text when " + address + "=0", "Text when " + address + "=1", "Description"};
    return {"Texto para " + address + "=0", "Texto para " + address + "=1", "Descrição"};
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    if (text == from) text = to;
}

}  // namespace

CommandPanel::CommandPanel() {
    for (int k = 1; k <= kButtons; ++k) {
        ButtonDefaults texts = DefaultsOf(k, Language::Portuguese);
        buttons[k - 1].textOff = texts.textOff;
        buttons[k - 1].textOn = texts.textOn;
        buttons[k - 1].description = texts.description;
    }
}

void CommandPanel::SetDefaultTexts(Language language) {
    Language other = language == Language::English ? Language::Portuguese : Language::English;
    for (int k = 1; k <= kButtons; ++k) {
        PushButton& button = buttons[k - 1];
        ButtonDefaults wanted = DefaultsOf(k, language), old = DefaultsOf(k, other);
        Replace(button.textOff, old.textOff, wanted.textOff);
        Replace(button.textOn, old.textOn, wanted.textOn);
        Replace(button.description, old.description, wanted.description);
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
