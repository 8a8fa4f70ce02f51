#include "app/engine/refilled_box.h"

#include <QAbstractItemView>

namespace vork {

RefilledBox::RefilledBox(std::function<void()> refill, QWidget* parent)
    : QComboBox(parent), refill_(std::move(refill)) {
    setMinimumWidth(kClosedWidth);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
}

void RefilledBox::showPopup() {
    refill_();
    view()->setMinimumWidth(kOpenWidth);
    QComboBox::showPopup();
}

}  // namespace vork
