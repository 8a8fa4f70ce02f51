#pragma once

#include <string>

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

}  // namespace vork
