// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <array>
#include <csignal>
#include <memory>

class QSocketNotifier;

namespace kelvory {

// Turns SIGTERM, SIGHUP and SIGINT (a session logout, a kill, Ctrl+C) into a
// Qt signal on the GUI thread, so the program can end through its normal close.
// The handler only writes a byte to a pipe that a socket notifier watches. The
// previous handlers come back when the object is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  signals:
    void terminationRequested(int signal);

  private:
    static void Handle(int signal);
    void Drain();

    std::array<int, 2> pipe_{-1, -1};
    int previousWriteEnd_ = -1;
    std::array<struct sigaction, kSignals.size()> previousActions_{};
    std::unique_ptr<QSocketNotifier> notifier_; // watches pipe_[0]
};

} // namespace kelvory
