#include "app/workspace/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vork {

UpDown::UpDown(int minimum, int maximum, int step, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), step_(step), value_(minimum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, direction] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        button->setFixedWidth(16);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, direction] { Step(direction); });
    }
    // As high as the number field beside it.
    setFixedHeight(QLineEdit().sizeHint().height());
}

void UpDown::SetValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
}

void UpDown::Step(int direction) {
    int next = std::clamp(value_ + direction * step_, minimum_, maximum_);
    if (next == value_) return;
    value_ = next;
    Q_EMIT valueChanged(value_);
}

}  // namespace vork
