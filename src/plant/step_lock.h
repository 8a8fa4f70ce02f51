#pragma once

#include <stdexcept>
#include <string>

namespace vork {

// Held while the plant steps: an evaluation pass, a real-time tick with its callbacks, an offline
// run. No slot may be filled or emptied meanwhile, since the step holds on to the objects it
// visits. Holds nest.
class StepLock {
  public:
    // Holds the lock until destroyed.
    class Hold {
      public:
        explicit Hold(StepLock& lock) : lock_(lock) { ++lock_.depth_; }
        ~Hold() { --lock_.depth_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        StepLock& lock_;
    };

    bool held() const { return depth_ > 0; }

    // Throws std::logic_error naming `what` while the lock is held.
    void Refuse(const std::string& what) const {
        if (held()) throw std::logic_error(what + " while the plant is stepping");
    }

  private:
    int depth_ = 0;
};

}  // namespace vork
