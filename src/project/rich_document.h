#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workspace/colour.h"

namespace vork {

// Rich text as the comment panel shows it: paragraphs of runs of equally formatted text. What the
// text leaves unset (the font family, a colour of none) is the panel's own.
struct RichFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // the font size in half points, as RTF counts it
    std::optional<Colour> colour;

    double Points() const { return halfPoints / 2.0; }
    bool operator==(const RichFormat&) const = default;
};

// UTF-8 text; a line break inside the paragraph is U+2028 (LINE SEPARATOR), a tab is "\t".
struct RichRun {
    std::string text;
    RichFormat format;
};

enum class RichAlignment { Left, Centre, Right, Justified };

// Runs are never empty, and neighbouring runs differ in format.
struct RichParagraph {
    std::vector<RichRun> runs;
    RichAlignment alignment = RichAlignment::Left;
};

struct RichDocument {
    std::vector<RichParagraph> paragraphs;
};

}  // namespace vork
