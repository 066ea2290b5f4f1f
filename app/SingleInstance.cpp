// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvory {

namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;
// A copy that holds the lock may not listen yet, or may be ending: asks
// this many times, a pause apart, before it counts as unreachable.
constexpr int kAttempts = 10;
constexpr int kPauseMs = 200;

// A folder only this user can enter: no other user can place or replace the
// lock and the socket.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR, else /tmp/kelvory-<uid>; empty when neither will do.
std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) {
        return std::string(runtime) + '/';
    }
    const std::string fallback = "/tmp/kelvory-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    return IsPrivateFolder(fallback) ? fallback + '/' : std::string();
}

// The folder's real path, so that a link to it and the folder itself agree.
std::string RealPath(const std::string& folder) {
    char resolved[PATH_MAX];
    return ::realpath(folder.c_str(), resolved) != nullptr ? std::string(resolved) : folder;
}

void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

SingleInstance::SingleInstance(const std::string& configFolder, QObject* parent) : QObject(parent) {
    const std::string runtime = RuntimeFolder();
    if (runtime.empty()) {
        std::fprintf(stderr, "Kelvory: no private runtime folder; a second copy is not noticed\n");
        return;
    }
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(RealPath(configFolder)),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    stem_ = runtime + "kelvory-" + hash.toStdString();
    socketName_ = QFile::decodeName(QByteArray::fromStdString(stem_ + ".socket"));
}

SingleInstance::~SingleInstance() {
    delete server_; // removes the socket while the lock is still held
    if (lockFd_ >= 0) {
        ::close(lockFd_);
    }
}

SingleInstance::Start SingleInstance::Claim() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0) {
            Pause(kPauseMs);
        }
        switch (TakeLock()) {
        case Lock::Taken:
            Listen();
            return Start::First;
        case Lock::Unavailable:
            return Start::First; // the game still runs, unguarded
        case Lock::Held:
            switch (AskRunningCopy()) {
            case Answer::Yes:
                return Start::Forwarded;
            case Answer::Silent:
                return Start::Unreachable;
            case Answer::NotListening:
                break;
            }
            break;
        }
    }
    return Start::Unreachable;
}

SingleInstance::Lock SingleInstance::TakeLock() {
    if (stem_.empty()) {
        return Lock::Unavailable;
    }
    const std::string path = stem_ + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        std::perror(("Kelvory: " + path).c_str());
        return Lock::Unavailable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        lockFd_ = fd;
        return Lock::Taken;
    }
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? Lock::Held : Lock::Unavailable;
}

void SingleInstance::Listen() {
    server_ = new QLocalServer;
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, this copy is the only one: a socket found is one a
    // killed copy left.
    QLocalServer::removeServer(socketName_);
    if (!server_->listen(socketName_)) {
        std::fprintf(stderr, "Kelvory: %s\n", qPrintable(server_->errorString()));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::AnswerLaterStarts);
}

// The running copy answers with one byte once its event loop has taken the
// request: then it is known to bring its window forward.
SingleInstance::Answer SingleInstance::AskRunningCopy() const {
    QLocalSocket socket;
    socket.connectToServer(socketName_);
    if (!socket.waitForConnected(kConnectMs)) {
        return Answer::NotListening;
    }
    return socket.waitForReadyRead(kAnswerMs) && socket.read(1) == "1" ? Answer::Yes
                                                                       : Answer::Silent;
}

void SingleInstance::AnswerLaterStarts() {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        client->write("1");
        client->flush();
        client->disconnectFromServer();
        emit activationRequested();
    }
}

} // namespace kelvory
