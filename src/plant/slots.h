#pragma once

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "plant/step_lock.h"

namespace vork {

// A fixed number of numbered slots (1..N) of one object kind. A slot exists while it holds an
// object; filling creates the object with its slot number, emptying releases it. Neither is
// allowed while the plant steps.
template <class T, int N>
class Slots {
  public:
    static constexpr int kCount = N;

    explicit Slots(const StepLock& stepping) : stepping_(stepping) {}

    bool Exists(int n) const { return InRange(n) && items_[n - 1] != nullptr; }
    T* Get(int n) const { return InRange(n) ? items_[n - 1].get() : nullptr; }
    // A slot number outside 1..N is a programming error of the caller.
    T& Fill(int n) {
        stepping_.Refuse("slot filled");
        if (!InRange(n))
            throw std::out_of_range("slot " + std::to_string(n) + " of " + std::to_string(N));
        if (!items_[n - 1]) items_[n - 1] = std::make_unique<T>(n);
        return *items_[n - 1];
    }
    void Empty(int n) {
        stepping_.Refuse("slot emptied");
        if (InRange(n)) items_[n - 1].reset();
    }
    void EmptyAll() {
        stepping_.Refuse("slots emptied");
        for (auto& item : items_)
            item.reset();
    }
    // Calls f(object) for each existing slot in ascending order.
    template <class F>
    void ForEach(F&& f) const {
        for (auto& item : items_)
            if (item) f(*item);
    }

  private:
    static bool InRange(int n) { return n >= 1 && n <= N; }
    const StepLock& stepping_;
    std::array<std::unique_ptr<T>, N> items_;
};

}  // namespace vork
