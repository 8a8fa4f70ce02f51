#include "app/loops/faceplate_bar.h"

#include <QPainter>

namespace vork {

FaceplateBar::FaceplateBar(const char* name, QColor colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setObjectName(name);
}

void FaceplateBar::SetValue(int value) {
    if (value == value_) return;
    value_ = value;
    update();
}

void FaceplateBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(rect(), palette().dark());
    painter.fillRect(inside, Qt::white);
    int filled = inside.height() * value_ / 200;
    painter.fillRect(inside.left(), inside.bottom() + 1 - filled, inside.width(), filled, colour_);
}

}  // namespace vork
