#pragma once

#include <QString>
#include <QWidget>
#include <span>

#include "engine/language.h"
#include "engine/window_text.h"

namespace vork {

// The text of an entry in the interface language.
QString TextIn(const WindowText& entry, Language language);

// Writes a window's text table into the window and its named children, in `language`. The
// component names: "caption" is the window title; "hint:<name>" the tool tip of <name>;
// "<name>/<i>" item i of a combo box, tab i of a tab widget or button i of a group box (a radio
// group); "<name>" the text of a button, label or menu entry, or the title of a group box or
// menu. Each window applies its table in one function, at creation and again when its language
// changes. The widget remembers the table, so that a language switch can apply it again.
void ApplyWindowTexts(QWidget& window, std::span<const WindowText> table, Language language);

// Applies again, in `language`, every table that was applied to `widget`.
void ReapplyWindowTexts(QWidget& widget, Language language);

}  // namespace vork
