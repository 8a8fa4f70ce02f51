#pragma once

#include <QString>

#include "app/app_context.h"

namespace vork {

class WindowRegistry;

// The command that shows the example gallery in the main window: the gallery registers it, and
// the life cycle runs it when the gallery is to be shown.
constexpr const char* kGalleryCommand = "TabbedNotebook1";

// The menu commands of the project's life cycle ("Novo", "Abrir", `Salvar1`, "Salvar Como...",
// "Exemplos", "Pasta corrente...", the language entries), the close prompt and the start-up
// step.
void RegisterLifeCycle(WindowRegistry& registry);

// A gallery picture ("sim1" .. "sim19") opens its example; false when it was not loaded.
bool OpenExample(AppContext& context, const QString& picture);

// The start-up step: the language of the preferences file (asked on the first start), the
// variable list refreshed, the example gallery shown.
void FinishStartUp(AppContext& context);

}  // namespace vork
