#pragma once

#include <QColor>
#include <QWidget>

namespace vork {

// A vertical bar of the faceplate, filled from the bottom: 0..200, two points per percent.
class FaceplateBar : public QWidget {
  public:
    FaceplateBar(const char* name, QColor colour, QWidget* parent);

    int value() const { return value_; }
    void SetValue(int value);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int value_ = 0;
};

}  // namespace vork
