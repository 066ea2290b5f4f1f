// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"
#include "game/EventPump.h"

#include <memory>
#include <vector>

struct itimerspec;
class QEventLoop;
class QSocketNotifier;

namespace kelvory {

// Waits for a deadline while the Qt event loop runs. Sleeps in the kernel on a
// timerfd armed shortly before the deadline (with timer slack lowered), then
// pumps events without blocking for the last fraction of a millisecond. One
// timer per nesting level, so waits inside waits (a bet during a pause, a modal
// dialog during a spin) each keep their own deadline. Where no timerfd can be
// made or armed, a precise Qt timer wakes the wait instead.
class QtEventPump : public EventPump {
  public:
    // How long before the deadline the pump stops sleeping.
    static constexpr double kFinalStretchMs = 0.1;

    // The kernel calls behind the timer; tests make them fail.
    struct TimerCalls {
        int (*create)(int clockId, int flags);
        int (*settime)(int fd, int flags, const itimerspec* value, itimerspec* old);
    };
    static TimerCalls KernelTimerCalls();

    explicit QtEventPump(Clock& clock, TimerCalls calls = KernelTimerCalls());
    ~QtEventPump() override;
    QtEventPump(const QtEventPump&) = delete;
    QtEventPump& operator=(const QtEventPump&) = delete;

    // Handles pending events at least once, also when the deadline has passed.
    void WaitUntil(double deadlineMs) override;
    // Makes every wait in progress return as soon as control is back in it.
    void Interrupt();

  private:
    struct Waiter;
    Waiter& WaiterAt(int depth);
    bool ArmTimerFd(Waiter& waiter, double wakeAtMs);
    // Sleeps until wakeAtMs while handling events; false when interrupted.
    bool Sleep(Waiter& waiter, double wakeAtMs);

    Clock& clock_;
    TimerCalls calls_;
    std::vector<std::unique_ptr<Waiter>> waiters_;
    int depth_ = 0;
};

} // namespace kelvory
