#pragma once

#include <QTextEdit>

#include "project/rich_document.h"

namespace vork {

// Replaces the content of a text panel with a rich document: paragraphs with their alignment,
// runs with their weight, slant, underline, size and colour, shown from the top. What a run
// leaves unset is the panel's own; with `panelSize` the size as well (plain text, whose runs
// carry RTF's default size).
void ShowRichDocument(QTextEdit& panel, const RichDocument& document, bool panelSize = false);

}  // namespace vork
