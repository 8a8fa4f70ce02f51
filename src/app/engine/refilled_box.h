#pragma once

#include <QComboBox>
#include <functional>

namespace vork {

// A variable pick list that is rebuilt each time it drops down, and whose list opens wider than
// the closed box.
class RefilledBox : public QComboBox {
  public:
    static constexpr int kClosedWidth = 44;
    static constexpr int kOpenWidth = 160;

    RefilledBox(std::function<void()> refill, QWidget* parent);
    void showPopup() override;

  private:
    std::function<void()> refill_;
};

}  // namespace vork
