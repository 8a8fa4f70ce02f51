#pragma once

#include "app/app_context.h"

namespace vork {

// The language switch: the interface language becomes `language`, and every window takes its
// texts again: each text table applied to any widget, then the own text function of each
// registered window (for texts that depend on its state), the main window and its menus last.
void SwitchLanguage(AppContext& context, Language language);

}  // namespace vork
