// SPDX-License-Identifier: MIT
// The event pump on the real clock: it never returns before its deadline
// without cause, handles events however it waits, and never sleeps for ever.
#include "view/QtEventPump.h"
#include "game/SteadyClock.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <ctime>
#include <sys/timerfd.h>

using namespace kelvory;

namespace {

int FailCreate(int, int) {
    errno = EMFILE;
    return -1;
}
int FailSettime(int, int, const itimerspec*, itimerspec*) {
    errno = EINVAL;
    return -1;
}
int settimeCalls = 0;
int CountedSettime(int fd, int flags, const itimerspec* value, itimerspec* old) {
    ++settimeCalls;
    return timerfd_settime(fd, flags, value, old);
}

double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

class QtEventPumpTest : public QObject {
    Q_OBJECT
  private slots:
    void manyShortWaitsNeverReturnEarly();
    void nestedWaitsKeepTheirDeadlines();
    void modalDialogHoldsTheWait();
    void passedDeadlineStillHandlesEvents_data();
    void passedDeadlineStillHandlesEvents();
    void failingKernelTimerFallsBackToSleep_data();
    void failingKernelTimerFallsBackToSleep();
    void interruptEndsEveryWait();
    void quittingApplicationDoesNotSpin();

  private:
    SteadyClock clock_;
};

void QtEventPumpTest::manyShortWaitsNeverReturnEarly() {
    QtEventPump pump(clock_);
    for (int i = 0; i < 300; ++i) {
        const double deadline = clock_.NowMs() + 0.2 + (i % 7) * 0.3;
        pump.WaitUntil(deadline);
        QVERIFY2(clock_.NowMs() >= deadline, qPrintable(QString::number(i)));
    }
}

void QtEventPumpTest::nestedWaitsKeepTheirDeadlines() {
    QtEventPump pump(clock_);
    const double outerDeadline = clock_.NowMs() + 30;
    double innerDeadline = 0;
    double innerReturned = 0;
    QTimer::singleShot(5, [&] {
        innerDeadline = clock_.NowMs() + 60;
        pump.WaitUntil(innerDeadline);
        innerReturned = clock_.NowMs();
    });
    pump.WaitUntil(outerDeadline);
    QVERIFY(innerDeadline > 0);
    QVERIFY(innerReturned >= innerDeadline);
    QVERIFY(clock_.NowMs() >= outerDeadline);
}

void QtEventPumpTest::modalDialogHoldsTheWait() {
    QtEventPump pump(clock_);
    bool closed = false;
    QTimer::singleShot(1, [&] {
        QDialog dialog;
        QTimer::singleShot(50, &dialog, &QDialog::accept);
        dialog.exec();
        closed = true;
    });
    const double deadline = clock_.NowMs() + 10;
    pump.WaitUntil(deadline);
    QVERIFY(closed);
    QVERIFY(clock_.NowMs() >= deadline);
}

void QtEventPumpTest::passedDeadlineStillHandlesEvents_data() {
    QTest::addColumn<double>("agoMs");
    QTest::newRow("deadline now") << 0.0;
    QTest::newRow("deadline passed") << 5.0;
}

void QtEventPumpTest::passedDeadlineStillHandlesEvents() {
    QFETCH(double, agoMs);
    QtEventPump pump(clock_);
    bool handled = false;
    QMetaObject::invokeMethod(
        this, [&] { handled = true; }, Qt::QueuedConnection);
    pump.WaitUntil(clock_.NowMs() - agoMs);
    QVERIFY(handled);
}

void QtEventPumpTest::failingKernelTimerFallsBackToSleep_data() {
    QTest::addColumn<bool>("createFails");
    QTest::newRow("timerfd_create fails") << true;
    QTest::newRow("timerfd_settime fails") << false;
}

void QtEventPumpTest::failingKernelTimerFallsBackToSleep() {
    QFETCH(bool, createFails);
    QtEventPump::TimerCalls calls = QtEventPump::KernelTimerCalls();
    if (createFails) {
        calls.create = &FailCreate;
    } else {
        calls.settime = &FailSettime;
    }
    QtEventPump pump(clock_, calls);
    bool stuck = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [&] {
        stuck = true;
        pump.Interrupt();
    });
    watchdog.start(10000);
    const double cpuBefore = CpuMs();
    const double deadline = clock_.NowMs() + 200;
    pump.WaitUntil(deadline);
    QVERIFY(!stuck);
    QVERIFY(clock_.NowMs() >= deadline);
    // It slept: a busy wait would have burnt the whole 200 ms.
    QVERIFY2(CpuMs() - cpuBefore < 100, qPrintable(QString::number(CpuMs() - cpuBefore)));
}

void QtEventPumpTest::interruptEndsEveryWait() {
    QtEventPump pump(clock_);
    const double deadline = clock_.NowMs() + 600000;
    bool innerReturned = false;
    QTimer::singleShot(1, [&] {
        QTimer::singleShot(1, [&] { pump.Interrupt(); });
        pump.WaitUntil(deadline);
        innerReturned = true;
    });
    pump.WaitUntil(deadline);
    QVERIFY(innerReturned);
    QVERIFY(clock_.NowMs() < deadline);
}

void QtEventPumpTest::quittingApplicationDoesNotSpin() {
    // Once the application quits, every event loop returns at once; a wait
    // must then sleep to its deadline, not arm its timer again and again.
    QtEventPump pump(clock_, {&timerfd_create, &CountedSettime});
    settimeCalls = 0;
    QCoreApplication::exit(0);
    const double deadline = clock_.NowMs() + 50;
    pump.WaitUntil(deadline);
    QVERIFY(clock_.NowMs() >= deadline);
    QVERIFY2(settimeCalls <= 4, qPrintable(QString::number(settimeCalls)));
}

QTEST_MAIN(QtEventPumpTest)
#include "QtEventPumpTest.moc"
