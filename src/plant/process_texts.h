#pragma once

#include <array>
#include <string>

#include "engine/window_text.h"

namespace vork {

// The checks of a process block's validation, in the order their messages are shown.
enum class ProcessCheck {
    Input,
    Gain,
    DeadTime,
    Tal1,
    Tal2,
    Lag,
    Lead,
    Cycles,
    Period,
    Hysteresis,
    Rate,
    Stiction,
    ActuatorLag,
};

// "Processo " + output variable number + the check's suffix; Portuguese in both languages.
std::string ProcessMessage(int outputAddress, ProcessCheck check);

// The texts that switch to English when the window is activated in English mode. Every other
// caption stays Portuguese in both languages. The window caption comes first.
extern const std::array<WindowText, 25> kProcessWindowTexts;

// Items of the transfer-function list (ComboBox2) and of the gain-curve list (ComboBox1).
extern const std::array<WindowText, 4> kTransferTypeItems;
extern const std::array<WindowText, 5> kValveCurveItems;

}  // namespace vork
