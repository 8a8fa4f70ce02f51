#include "app/workspace/rich_text_view.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

namespace vork {

namespace {

Qt::Alignment ToQt(RichAlignment alignment) {
    switch (alignment) {
        case RichAlignment::Centre:
            return Qt::AlignHCenter;
        case RichAlignment::Right:
            return Qt::AlignRight;
        case RichAlignment::Justified:
            return Qt::AlignJustify;
        case RichAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat ToQt(const RichFormat& format, bool panelSize) {
    QTextCharFormat chars;
    chars.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(format.italic);
    chars.setFontUnderline(format.underline);
    if (!panelSize) chars.setFontPointSize(format.Points());
    if (format.colour) {
        Colour c = *format.colour;
        chars.setForeground(QColor(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF));
    }
    return chars;
}

}  // namespace

void ShowRichDocument(QTextEdit& panel, const RichDocument& document, bool panelSize) {
    panel.clear();
    QTextCursor cursor(panel.document());
    bool first = true;
    for (const RichParagraph& paragraph : document.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(ToQt(paragraph.alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const RichRun& run : paragraph.runs)
            cursor.insertText(QString::fromStdString(run.text), ToQt(run.format, panelSize));
    }
    panel.moveCursor(QTextCursor::Start);
}

}  // namespace vork
