#pragma once

#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>
#include <string>

namespace vork {

// The core's texts are UTF-8.
inline QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Shows a model's text in a field without firing its edit signals; a long text shows its
// beginning.
inline void SetFieldText(QLineEdit* field, const std::string& text) {
    QString shown = FromStd(text);
    if (field->text() == shown) return;
    QSignalBlocker quiet(field);
    field->setText(shown);
    field->setCursorPosition(0);
}

}  // namespace vork
