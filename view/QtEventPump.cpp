#include "QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace kelvory {

struct QtEventPump::Waiter {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QEventLoop* loop = nullptr;
};

QtEventPump::QtEventPump(Clock& clock) : clock_(clock) {
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
        waiter->fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (waiter->fd >= 0) {
            waiter->notifier = std::make_unique<QSocketNotifier>(waiter->fd, QSocketNotifier::Read);
            Waiter* raw = waiter.get();
            QObject::connect(raw->notifier.get(), &QSocketNotifier::activated, [raw] {
                std::uint64_t expirations = 0;
                while (read(raw->fd, &expirations, sizeof expirations) < 0 && errno == EINTR) {
                }
                if (raw->loop != nullptr) {
                    raw->loop->quit();
                }
            });
        }
        waiters_.push_back(std::move(waiter));
    }
    return *waiters_[depth];
}

void QtEventPump::WaitUntil(double deadlineMs) {
    const double wakeAt = deadlineMs - kFinalStretchMs;
    if (clock_.NowMs() < wakeAt) {
        Waiter& waiter = WaiterAt(depth_);
        if (waiter.fd >= 0) {
            // The clock counts CLOCK_MONOTONIC milliseconds (std::chrono::steady_clock).
            itimerspec deadline{};
            const double seconds = std::floor(wakeAt / 1000.0);
            deadline.it_value.tv_sec = static_cast<time_t>(seconds);
            deadline.it_value.tv_nsec = static_cast<long>((wakeAt - seconds * 1000.0) * 1e6);
            timerfd_settime(waiter.fd, TFD_TIMER_ABSTIME, &deadline, nullptr);
            QEventLoop loop;
            waiter.loop = &loop;
            ++depth_;
            loop.exec();
            --depth_;
            waiter.loop = nullptr;
            itimerspec off{};
            timerfd_settime(waiter.fd, 0, &off, nullptr);
            return;
        }
    }
    // The last fraction of a millisecond: keep handling events without sleeping.
    while (clock_.NowMs() < deadlineMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

} // namespace kelvory
