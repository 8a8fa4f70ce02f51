#pragma once

namespace vork {

// The blinking "Arquivando" label and the controls locked while a trend archives, shared by the
// controller faceplate and the trend recorder, whose display structs carry the same members.
template <class Display>
void ShowArchiveStarted(Display& d) {
    d.Timer1 = true;
    d.archiveLockedControlsEnabled = false;
}

template <class Display>
void ShowArchiveEnded(Display& d) {
    d.Timer1 = false;
    d.Label21Visible = false;
    d.archiveLockedControlsEnabled = true;
}

// One tick of the 500 ms blink timer.
template <class Display>
void BlinkArchiveLabel(Display& d) {
    if (d.Timer1) d.Label21Visible = !d.Label21Visible;
}

}  // namespace vork
