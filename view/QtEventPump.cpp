// SPDX-License-Identifier: MIT
#include "view/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace kelvory {

struct QtEventPump::Waiter {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QEventLoop* loop = nullptr;
    bool interrupted = false;
    bool woken = false; // the timer fired while the loop ran
};

QtEventPump::TimerCalls QtEventPump::KernelTimerCalls() {
    return {&timerfd_create, &timerfd_settime};
}

QtEventPump::QtEventPump(Clock& clock, TimerCalls calls) : clock_(clock), calls_(calls) {
    // Wake-ups within a few microseconds of the requested time instead of the
    // default 50 us slack.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

QtEventPump::~QtEventPump() {
    for (auto& waiter : waiters_) {
        waiter->notifier.reset();
        if (waiter->fd >= 0) {
            close(waiter->fd);
        }
    }
}

QtEventPump::Waiter& QtEventPump::WaiterAt(int depth) {
    while (static_cast<int>(waiters_.size()) <= depth) {
        auto waiter = std::make_unique<Waiter>();
        waiter->fd = calls_.create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (waiter->fd >= 0) {
            waiter->notifier = std::make_unique<QSocketNotifier>(waiter->fd, QSocketNotifier::Read);
            Waiter* raw = waiter.get();
            QObject::connect(raw->notifier.get(), &QSocketNotifier::activated, [raw] {
                std::uint64_t expirations = 0;
                while (read(raw->fd, &expirations, sizeof expirations) < 0 && errno == EINTR) {
                }
                raw->woken = true;
                if (raw->loop != nullptr) {
                    raw->loop->quit();
                }
            });
        }
        waiters_.push_back(std::move(waiter));
    }
    return *waiters_[depth];
}

bool QtEventPump::ArmTimerFd(Waiter& waiter, double wakeAtMs) {
    if (waiter.fd < 0) {
        return false;
    }
    // The clock counts CLOCK_MONOTONIC milliseconds (std::chrono::steady_clock).
    itimerspec deadline{};
    const double seconds = std::floor(wakeAtMs / 1000.0);
    deadline.it_value.tv_sec = static_cast<time_t>(seconds);
    deadline.it_value.tv_nsec = static_cast<long>((wakeAtMs - seconds * 1000.0) * 1e6);
    return calls_.settime(waiter.fd, TFD_TIMER_ABSTIME, &deadline, nullptr) == 0;
}

bool QtEventPump::Sleep(Waiter& waiter, double wakeAtMs) {
    QEventLoop loop;
    const bool armed = ArmTimerFd(waiter, wakeAtMs);
    // Without a kernel timer a precise Qt timer wakes the loop, a little later.
    QTimer fallback;
    if (!armed) {
        fallback.setTimerType(Qt::PreciseTimer);
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, &loop, [&] {
            waiter.woken = true;
            loop.quit();
        });
        fallback.start(static_cast<int>(std::ceil(wakeAtMs - clock_.NowMs())));
    }
    waiter.loop = &loop;
    waiter.interrupted = false;
    waiter.woken = false;
    ++depth_;
    loop.exec();
    --depth_;
    waiter.loop = nullptr;
    if (!waiter.woken && !waiter.interrupted) {
        // The loop returned at once: the application is quitting and runs no
        // event loop any more. Sleep until the wake-up rather than spin.
        const double remainingMs = std::ceil(wakeAtMs - clock_.NowMs());
        if (remainingMs > 0) {
            pollfd timer{armed ? waiter.fd : -1, POLLIN, 0};
            poll(&timer, 1, static_cast<int>(remainingMs));
        }
    }
    if (armed) {
        itimerspec off{};
        calls_.settime(waiter.fd, 0, &off, nullptr);
    }
    return !waiter.interrupted;
}

void QtEventPump::WaitUntil(double deadlineMs) {
    const double wakeAt = deadlineMs - kFinalStretchMs;
    // A wake-up before its time (a late expiry left from an earlier wait, a
    // coarse fallback timer) sleeps again.
    while (clock_.NowMs() < wakeAt) {
        if (!Sleep(WaiterAt(depth_), wakeAt)) {
            return;
        }
    }
    // The last fraction of a millisecond, or a deadline already passed: handle
    // what is pending without sleeping, at least once.
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (clock_.NowMs() < deadlineMs);
}

void QtEventPump::Interrupt() {
    for (auto& waiter : waiters_) {
        if (waiter->loop != nullptr) {
            waiter->interrupted = true;
            waiter->loop->quit();
        }
    }
}

} // namespace kelvory
