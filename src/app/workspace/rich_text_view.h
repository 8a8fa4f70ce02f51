#pragma once

#include <QTextEdit>

#include "project/rich_document.h"

namespace vork {

// Replaces the content of a text panel with a rich document: paragraphs with their alignment,
// runs with their weight, slant, underline, size and colour. What a run leaves unset is the
// panel's own.
void ShowRichDocument(QTextEdit& panel, const RichDocument& document);

}  // namespace vork
