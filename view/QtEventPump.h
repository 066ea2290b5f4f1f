#pragma once

#include "Clock.h"
#include "EventPump.h"

#include <memory>
#include <vector>

class QEventLoop;
class QSocketNotifier;

namespace kelvory {

// Waits for a deadline while the Qt event loop runs. Sleeps in the kernel on a
// timerfd armed shortly before the deadline (with timer slack lowered), then
// pumps events without blocking for the last fraction of a millisecond. One
// timer per nesting level, so waits inside waits (a bet during a pause, a modal
// dialog during a spin) each keep their own deadline.
class QtEventPump : public EventPump {
  public:
    // How long before the deadline the pump stops sleeping.
    static constexpr double kFinalStretchMs = 0.1;

    explicit QtEventPump(Clock& clock);
    ~QtEventPump() override;
    QtEventPump(const QtEventPump&) = delete;
    QtEventPump& operator=(const QtEventPump&) = delete;

    void WaitUntil(double deadlineMs) override;

  private:
    struct Waiter;
    Waiter& WaiterAt(int depth);

    Clock& clock_;
    std::vector<std::unique_ptr<Waiter>> waiters_;
    int depth_ = 0;
};

} // namespace kelvory
