#include "app/project/language_switch.h"

#include <QApplication>

#include "app/window_registry.h"
#include "app/window_texts.h"
#include "app/workspace/tform1.h"

namespace vork {

void SwitchLanguage(AppContext& context, Language language) {
    context.project().SetLanguage(language);
    for (QWidget* widget : QApplication::allWidgets())
        ReapplyWindowTexts(*widget, language);
    context.windows.ApplyTexts();
    if (!context.mainWindow) return;
    context.mainWindow->ApplyTexts();
    context.mainWindow->SyncMenus();
}

}  // namespace vork
