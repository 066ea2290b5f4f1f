// SPDX-License-Identifier: MIT
#pragma once

namespace kelvory {

// Runs the window's event handlers while the engine waits. Handlers (menu
// commands, timers, a second click, a modal dialog) run inside WaitUntil.
class EventPump {
  public:
    virtual ~EventPump() = default;
    // Processes events until the clock reaches deadlineMs. May return earlier
    // after an event was handled; callers loop until the deadline has passed.
    virtual void WaitUntil(double deadlineMs) = 0;
};

} // namespace kelvory
