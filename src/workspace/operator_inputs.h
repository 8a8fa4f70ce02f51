#pragma once

#include <string>
#include <string_view>

#include "engine/variable_table.h"
#include "workspace/workspace.h"

namespace vork {

// What the operator inputs of the synoptic do to their variables and controls: the switches
// (k = 1, 2; M(10+k)), the push buttons (k = 1..3; M(96+k)) and the sliders (k = 1..6;
// M(14+k)), as their settings change in the configuration window and as the operator clicks,
// drags and types on the picture.

// `Chave`k`Check` and `Chave`k`Tipo`: the picture of the chosen set for the variable's value,
// while the switch is in use; none otherwise.
void SetSwitchInUse(Workspace& ws, const VariableTable& vars, int k, bool inUse);
void SetSwitchType(Workspace& ws, const VariableTable& vars, int k, int type);
// A click on the visible picture: M = 1 - M, and the set's two pictures swap.
void ClickSwitch(Workspace& ws, VariableTable& vars, int k);

// A click on the released picture sets the variable to 1, on the pressed picture to 0.
void ClickButton(Workspace& ws, VariableTable& vars, int k);
// `Botao`k`_check`. Button k can be put in use only while button k - 1 is; taking it out of use
// takes the buttons after it out too and sets their variables and its own to 0.
void SetButtonInUse(Workspace& ws, VariableTable& vars, int k, bool inUse);
// Whether `Botao`k`_check` is available.
bool ButtonAvailable(const Workspace& ws, int k);
// The state text of button k for the variable's value.
const std::string& ButtonStateText(const PushButton& button, double value);

// The engineering value of slider k's bar position, as its number field shows it after a move.
std::string TrackBarText(const VariableTable& vars, int k, int position);
// The bar moved to `position`: M = position / 100, and the field shows its engineering value.
void MoveTrackBar(Workspace& ws, VariableTable& vars, int k, int position);
// Enter in the number field: a number within the engineering range sets the variable and the
// bar; anything else puts the bar's value back in the field. Returns whether it was taken.
bool EnterTrackText(Workspace& ws, VariableTable& vars, int k, std::string_view text);
// Escape in the number field.
void EscapeTrackText(Workspace& ws, const VariableTable& vars, int k);
// `Ent`k`check`: the four controls shown while the slider is in use.
void SetTrackInUse(Workspace& ws, int k, bool inUse);
// `Ent`k`track`: the bar shown, and the frame 60 pixels high with it, 28 without.
void SetTrackBarShown(Workspace& ws, int k, bool shown);
// `Ent`k`Label`: the caption, also the variable's description; a caption longer than six letters
// widens the frame and the bar and moves the number field right.
void SetTrackCaption(Workspace& ws, VariableTable& vars, int k, const std::string& caption);

}  // namespace vork
