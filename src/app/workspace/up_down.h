#pragma once

#include <QWidget>

class QToolButton;

namespace vork {

// A pair of arrows that step a whole number up and down within a range; the number itself is
// shown by a field beside it (`Imagem`n`Tam` with `Imagem`n`Tamanho`).
class UpDown : public QWidget {
    Q_OBJECT

  public:
    UpDown(int minimum, int maximum, int step, QWidget* parent);

    int value() const { return value_; }
    // Sets the value without telling anyone.
    void SetValue(int value);

  Q_SIGNALS:
    // The user stepped the value.
    void valueChanged(int value);

  private:
    void Step(int direction);

    int minimum_;
    int maximum_;
    int step_;
    int value_;
};

}  // namespace vork
