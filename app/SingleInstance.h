// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <string>

class QLocalServer;

namespace kelvory {

// One running copy per settings folder, so that two copies never save over
// each other. The first start holds an flock() on a lock file for the whole
// session and listens on a local socket; a later start with the same folder
// asks that copy to bring its window forward and ends. Both live in
// $XDG_RUNTIME_DIR (else a private folder in /tmp), named by a hash of the
// settings folder's real path: nothing is added beside KELVRY.INI. The kernel
// drops the lock when a copy dies, however it dies, and the next first start
// replaces the socket it left.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Start {
        First,       // this copy runs the game
        Forwarded,   // the running copy was asked to come forward
        Unreachable, // a copy holds the lock but does not answer
    };

    // configFolder: the settings folder, as the file system's bytes.
    explicit SingleInstance(const std::string& configFolder, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock, or reaches the copy that holds it.
    Start Claim();

  signals:
    // A later start asked this copy to bring its window forward.
    void activationRequested();

  private:
    enum class Lock { Taken, Held, Unavailable };
    enum class Answer { Yes, Silent, NotListening };
    Lock TakeLock();
    void Listen();
    Answer AskRunningCopy() const;
    void AnswerLaterStarts();

    std::string stem_; // the runtime folder and "kelvory-<hash>"; empty when there is none
    QString socketName_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
};

} // namespace kelvory
