#pragma once

#include <string_view>

#include "project/rich_document.h"

namespace vork {

// Reads RTF (the comment file "descricao.rtf") for the comment panel: paragraphs, alignment, bold,
// italic, underline, font size, the colour table, \'hh in Windows-1252, \u escapes with their
// fallback, groups and the destinations that hold no body text. It never fails, in time and
// memory linear in the input; for malformed RTF it shows what it can:
// - bytes that do not open with "{\rtf" (after blanks) are plain text, one paragraph a line: UTF-8
//   when they are well-formed UTF-8, Windows-1252 otherwise;
// - a '}' without its '{' is ignored, groups still open at the end are closed, and text after
//   the outermost group is kept;
// - groups nest 256 deep; deeper ones share the state of the 256th;
// - unknown control words, a \'h without two hex digits, a lone surrogate in \u, and a
//   destination word that does not open its group are ignored.
// \'hh is always Windows-1252: \ansicpg and the fonts' character sets are not followed.
RichDocument ReadRtf(std::string_view bytes);

// Whether ReadRtf reads `bytes` as RTF rather than as plain text.
bool IsRtf(std::string_view bytes);

}  // namespace vork
