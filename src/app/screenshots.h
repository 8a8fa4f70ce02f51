#pragma once

#include <QString>

namespace vork {

class Application;

// `vork --screenshots DIR [FILE] [--ticks N]`: loads FILE (if given), opens every window a user
// can open for it, runs N scan ticks without waiting real time, saves each window as
// `DIR/<Class>.png` (a slot's window as `DIR/<Class>-<slot>.png`) and `DIR/widgets.json`. Returns
// the exit status: 0, or 1 when the file does not load or DIR cannot be written. Nobody is asked
// anything: messages go to standard error.
int RunScreenshots(const QString& folder, const QString& file, int ticks);

// Shows the main window at the size its content needs and every other window a user can open.
void OpenForScreenshots(Application& app);

// Writes the pictures and the inventory of every window into `folder`; false when it cannot.
bool SaveScreenshots(Application& app, const QString& folder);

}  // namespace vork
