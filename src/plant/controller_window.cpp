#include "plant/controller.h"
#include "plant/controller_texts.h"
#include "plant/simulation.h"

// The controller window's layout and the enable state of its configuration buttons.
namespace vork {

void Controller::ConfigEdited() {
    faceplate.btnatualiza = true;
    faceplate.ConfigBTN = false;
}

void Controller::CheckSPRChange(bool checked) {
    fields.CheckSPR = checked;
    faceplate.SPRSelectEnabled = checked;
    if (checked) {
        // The list starts on its first entry, and M01 is read as the remote setpoint at once.
        fields.SPRSelect = 0;
        tuning.sprAddress = 1;
    }
    ConfigEdited();
}

std::vector<std::string> Controller::Atualizar(Simulation& sim) {
    std::vector<std::string> messages = Validate(sim);
    // The typed description stays: the description of M(60+k) is rebuilt from the tag by every
    // validation, so loading it back would replace what the user wrote.
    faceplate.btnatualiza = false;
    faceplate.ConfigBTN = true;
    return messages;
}

void Controller::Activate(const Simulation& sim) {
    // The typed description is kept here too (see Atualizar).
    if (faceplate.Label2 == "M") faceplate.Button2 = true;
    if (sim.language != Language::English || faceplate.englishApplied) return;
    faceplate.englishApplied = true;
    faceplate.Caption = kControllerWindowTexts[0].english;
    trendDisplay.Label21 = ControllerEnglishText("Label21");
}

void Controller::ShowWindow() {
    faceplate.wide = true;
    bool runnable = !fields.TagText.empty() && fields.VariavelSelect >= 0;
    faceplate.configShowing = !runnable;
}

void Controller::ConfigBTNClick() {
    if (!faceplate.ConfigBTN) return;
    if (!faceplate.wide) {
        faceplate.wide = true;
        faceplate.configShowing = true;
    } else if (faceplate.configShowing) {
        faceplate.configShowing = false;
        faceplate.wide = false;
    } else {
        faceplate.configShowing = true;
    }
}

void Controller::TrendButtonClick() {
    if (!faceplate.wide) {
        faceplate.wide = true;
        faceplate.configShowing = false;
        cursor.counter = 1;
        cursor.ResetLabels("Coordenadas ", "");
    } else if (faceplate.configShowing) {
        faceplate.configShowing = false;
    } else {
        faceplate.wide = false;
    }
}

}  // namespace vork
