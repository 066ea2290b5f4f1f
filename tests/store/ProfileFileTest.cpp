// SPDX-License-Identifier: MIT
// The profile file on disk: defaults, one replace per save, unwritable files
// and folders, leftovers of killed writers, and kills in the middle of saves.
#include "store/ProfileFile.h"
#include "game/GameState.h"
#include "store/FileReplacer.h"
#include "store/ProfileText.h"
#include "store/ProfileWriteError.h"
#include "store/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ProfileFile = kelvory::ProfileFile;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString WriterPath() {
    return QCoreApplication::applicationDirPath() + "/ProfileWriter";
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

ino_t Inode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// Runs one write in the helper process, as the unprivileged user "nobody" when
// we are root (permission bits do not stop root). Returns its output.
QString WriteAsUser(const QString& path, int& exitCode) {
    QProcess process;
    QStringList args{"write", path, "Settings", "Credits", "5.00"};
    if (::geteuid() == 0) {
        args.prepend(WriterPath());
        args = QStringList{"-u", "nobody", "--"} + args;
        process.start("runuser", args);
    } else {
        process.start(WriterPath(), args);
    }
    if (!process.waitForFinished(20000)) {
        exitCode = -1;
        return "helper did not finish: " + process.errorString();
    }
    exitCode = process.exitCode();
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())
        .trimmed();
}

// ~1.6 MB of sections the program does not know, as a player's file may hold.
QByteArray UnknownSections() {
    QByteArray text = "; kept as it is\n";
    for (int section = 0; text.size() < 1600000; ++section) {
        text += "[Unknown " + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 20; ++key) {
            text += "Key" + QByteArray::number(key) + " = " + QByteArray(60 + key, 'a' + key % 26) +
                    "\r\n";
        }
    }
    return text;
}

// [Settings] and slot 1 must each come whole from one save n (Credits n,
// Borrowed n + 0.5, slot name "Game n"); gives the two save numbers.
void CheckWholeSaves(const std::string& text, long& settingsSave, long& slotSave) {
    const auto number = [&](const char* section, const char* key) {
        return std::stod(kelvory::ProfileText::Read(text, section, key, "-1"));
    };
    const double credits = number("Settings", "Credits");
    QCOMPARE(number("Settings", "Borrowed"), credits + 0.5);
    const double slotCredits = number("Saved Game 1", "Credits");
    QCOMPARE(number("Saved Game 1", "Borrowed"), slotCredits + 0.5);
    QCOMPARE(kelvory::ProfileText::Read(text, "Saved Game 1", "Name", ""),
             "Game " + std::to_string(static_cast<long>(slotCredits)));
    settingsSave = static_cast<long>(credits);
    slotSave = static_cast<long>(slotCredits);
}

} // namespace

class ProfileFileTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void missingFileGivesDefault();
    void writeCreatesFileAndKeepsOtherContent();
    void writeKeepsModeAndSymbolicLink();
    void writeAsOtherUser_data();
    void writeAsOtherUser();
    void oneSaveIsOneReplace();
    void failedSaveLeavesOnlyTheFile();
    void startRemovesOnlyStaleTemporaries();
    void killedSavesLeaveOldOrNewGame_data();
    void killedSavesLeaveOldOrNewGame();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void ProfileFileTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    // Other users must reach the folders below it.
    QVERIFY(::chmod(QFile::encodeName(dir_->path()).constData(), 0755) == 0);
}

void ProfileFileTest::missingFileGivesDefault() {
    const std::string path = Native(dir_->filePath("KELVRY.INI"));
    QCOMPARE(ProfileFile::Read(path, "Settings", "Credits", "1000.00"), std::string("1000.00"));
    QCOMPARE(ProfileFile::Read(Native(dir_->path()), "Settings", "Credits", "x"), std::string("x"));
    QVERIFY(!QFile::exists(dir_->filePath("KELVRY.INI")));
}

void ProfileFileTest::writeCreatesFileAndKeepsOtherContent() {
    const QString path = dir_->filePath("KELVRY.INI");
    ProfileFile::Write(Native(path), "Settings", "Credits", "1000.00");
    QCOMPARE(ReadAll(path), QByteArray("[Settings]\nCredits=1000.00\n"));

    WriteAll(path, "; mine\n[Other]\nx = 1\n[settings]\ncredits=1\nExtra=keep\n; end\n");
    ProfileFile::Write(Native(path), "Settings", "Credits", "2.00");
    ProfileFile::Write(Native(path), "Saved Game 1", "Name", "Bob");
    QCOMPARE(ReadAll(path), QByteArray("; mine\n[Other]\nx = 1\n[settings]\nCredits=2.00\n"
                                       "Extra=keep\n; end\n\n[Saved Game 1]\nName=Bob\n"));
    // No temporary file stays behind.
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void ProfileFileTest::writeKeepsModeAndSymbolicLink() {
    const QString real = dir_->filePath("real.ini");
    const QString link = dir_->filePath("KELVRY.INI");
    WriteAll(real, "[S]\nk=1\n");
    QVERIFY(::chmod(QFile::encodeName(real).constData(), 0600) == 0);
    QVERIFY(QFile::link(real, link));
    ProfileFile::Write(Native(link), "S", "k", "2");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(ReadAll(real), QByteArray("[S]\nk=2\n"));
    QCOMPARE(QFileInfo(real).permissions() & 0x7777,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                 QFileDevice::WriteUser);
}

void ProfileFileTest::writeAsOtherUser_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("saves");
    QTest::newRow("read-only file fails") << "file" << false;
    QTest::newRow("read-only folder, read-only file fails") << "folder" << false;
    QTest::newRow("read-only folder, writable file rewritten in place and cut to length")
        << "folder, file 666" << true;
    QTest::newRow("folder is a regular file fails") << "notdir" << false;
    QTest::newRow("file is a folder fails") << "isdir" << false;
}

void ProfileFileTest::writeAsOtherUser() {
    QFETCH(QString, setup);
    QFETCH(bool, saves);
    const QString folder = dir_->filePath("cfg");
    QVERIFY(QDir().mkpath(folder));
    QString path = folder + "/KELVRY.INI";
    // Longer than what the write leaves: a rewrite in place must cut the file.
    const QByteArray before = "[Other]\r\nx = 1\r\n[Settings]\r\nCredits=1000.00\r\n";
    if (setup == "file") {
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        WriteAll(path, before);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    } else if (setup.startsWith("folder")) {
        WriteAll(path, before);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), saves ? 0666 : 0644) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    } else if (setup == "notdir") {
        WriteAll(folder + "/plain", before);
        path = folder + "/plain/KELVRY.INI";
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    const ino_t inode = Inode(path);
    int exitCode = 0;
    const QString output = WriteAsUser(path, exitCode);
    if (saves) {
        QCOMPARE(output, QString());
        QCOMPARE(exitCode, 0);
        QCOMPARE(ReadAll(path), QByteArray("[Other]\r\nx = 1\r\n[Settings]\r\nCredits=5.00\r\n"));
        QCOMPARE(Inode(path), inode);
    } else {
        QCOMPARE(output, "Unable to write to " + path);
        QCOMPARE(exitCode, 1);
    }
    if (setup == "file" || setup.startsWith("folder")) {
        if (!saves) {
            QCOMPARE(ReadAll(path), before);
        }
        QCOMPARE(FolderEntries(folder), QStringList{"KELVRY.INI"});
    }
    // The same write in-process throws the same error.
    if (setup == "notdir" || setup == "isdir") {
        try {
            ProfileFile::Write(Native(path), "Settings", "Credits", "5.00");
            QFAIL("the write did not fail");
        } catch (const kelvory::ProfileWriteError& error) {
            QCOMPARE(QString::fromLocal8Bit(error.what()), "Unable to write to " + path);
        }
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

void ProfileFileTest::oneSaveIsOneReplace() {
    const QString path = dir_->filePath("KELVRY.INI");
    WriteAll(path, "[Settings]\nCredits=1.00\nOwn=kept\n[Saved Game 2]\nName=Ann\n");
    const int watcher = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watcher >= 0);
    QVERIFY(::inotify_add_watch(watcher, QFile::encodeName(dir_->path()).constData(),
                                IN_MOVED_TO | IN_MODIFY | IN_ATTRIB) >= 0);
    kelvory::GameState state;
    state.Credits = 7;
    state.WinSound = "/w";
    state.LoseSound = "/l";
    ProfileFile::Write(Native(path), {kelvory::SettingsFile::Section(state, false),
                                      {"Statistics", {{"Games", "3"}}}});
    alignas(inotify_event) char events[4096];
    const ssize_t size = ::read(watcher, events, sizeof events);
    ::close(watcher);
    int replaces = 0;
    for (ssize_t at = 0; at < size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(events + at);
        // Nothing touches the file itself but the one rename over it.
        if (event->len > 0 && QByteArray(event->name) == "KELVRY.INI") {
            QCOMPARE(event->mask, std::uint32_t(IN_MOVED_TO));
            ++replaces;
        }
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
    QCOMPARE(replaces, 1);
    QCOMPARE(ReadAll(path), QByteArray("[Settings]\nCredits=7.00\nOwn=kept\nBorrowed=1000.00\n"
                                       "Spins=0\nMaxed=0\nSound=1\nsndCoins=1\nsndCredits=1\n"
                                       "sndSpin=0\nsndStop=1\nsndWin=1\nsndLose=0\nSpeed=10\n"
                                       "WinSound=/w\nLoseSound=/l\n[Saved Game 2]\nName=Ann\n\n"
                                       "[Statistics]\nGames=3\n"));
    QCOMPARE(FolderEntries(dir_->path()), QStringList{"KELVRY.INI"});
}

void ProfileFileTest::failedSaveLeavesOnlyTheFile() {
    const QString path = dir_->filePath("KELVRY.INI");
    const QByteArray before = UnknownSections();
    WriteAll(path, before);
    // A file size limit binds root too: the save fails while writing its named
    // temporary file.
    kelvory::FileReplacer::SetUnnamedTemporaries(false);
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlim_t previous = std::exchange(limit.rlim_cur, static_cast<rlim_t>(before.size() / 2));
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    bool failed = false;
    try {
        ProfileFile::Write(Native(path), "Settings", "Credits", "5.00");
    } catch (const kelvory::ProfileWriteError&) {
        failed = true;
    }
    limit.rlim_cur = previous;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_DFL);
    kelvory::FileReplacer::SetUnnamedTemporaries(true);
    QVERIFY(failed);
    QVERIFY(ReadAll(path) == before);
    QCOMPARE(FolderEntries(dir_->path()), QStringList{"KELVRY.INI"});
}

void ProfileFileTest::startRemovesOnlyStaleTemporaries() {
    const QString path = dir_->filePath("KELVRY.INI");
    WriteAll(path, "[Settings]\nCredits=3.00\n");
    WriteAll(dir_->filePath(".KELVRY.INI.a1B2c3"), "left by a killed save");
    WriteAll(dir_->filePath(".KELVRY.INI.d4E5f6"), "a running save");
    WriteAll(dir_->filePath(".KELVRY.INI.bak"), "not ours");
    WriteAll(dir_->filePath("OTHER.INI.a1B2c3"), "not ours");
    const int running = ::open(QFile::encodeName(dir_->filePath(".KELVRY.INI.d4E5f6")).constData(),
                               O_RDONLY | O_CLOEXEC);
    QVERIFY(running >= 0 && ::flock(running, LOCK_EX) == 0);
    kelvory::GameState state;
    kelvory::SettingsFile::Load(Native(path), state);
    ::close(running);
    QCOMPARE(state.Credits, 3.0);
    QCOMPARE(FolderEntries(dir_->path()), (QStringList{".KELVRY.INI.bak", ".KELVRY.INI.d4E5f6",
                                                       "KELVRY.INI", "OTHER.INI.a1B2c3"}));
}

void ProfileFileTest::killedSavesLeaveOldOrNewGame_data() {
    QTest::addColumn<bool>("named");
    QTest::addColumn<int>("kills");
    QTest::newRow("unnamed temporary files") << false << 200;
    QTest::newRow("named temporary files") << true << 50;
}

void ProfileFileTest::killedSavesLeaveOldOrNewGame() {
    QFETCH(bool, named);
    QFETCH(int, kills);
    const QString path = dir_->filePath("KELVRY.INI");
    const QByteArray unknown = UnknownSections();
    WriteAll(path, unknown + "[Settings]\r\nCredits=0.00\r\nBorrowed=0.50\r\n[Saved Game 1]\r\n"
                             "Name=Game 0\r\nCredits=0.00\r\nBorrowed=0.50\r\n");
    long saved = 0;
    long savedSlot = 0;
    int changed = 0;
    int leftovers = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess writer;
        QStringList args{"saves", path, QString::number(saved + 1)};
        if (named) {
            args << "named";
        }
        writer.start(WriterPath(), args);
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(25000));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));

        const QByteArray after = ReadAll(path);
        QVERIFY(after.startsWith(unknown));
        long settingsSave = -1;
        long slotSave = -1;
        CheckWholeSaves(after.mid(unknown.size()).toStdString(), settingsSave, slotSave);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(settingsSave >= saved && slotSave >= savedSlot);
        changed += settingsSave > saved ? 1 : 0;
        saved = settingsSave;
        savedSlot = slotSave;
        // The next start clears what the kill left.
        leftovers += static_cast<int>(FolderEntries(dir_->path()).size()) - 1;
        ProfileFile::RemoveStaleTemporaries(Native(path));
        QCOMPARE(FolderEntries(dir_->path()), QStringList{"KELVRY.INI"});
    }
    qInfo("%d kills: %d during a later save, %d left a temporary file", kills, changed, leftovers);
}

QTEST_GUILESS_MAIN(ProfileFileTest)
#include "ProfileFileTest.moc"
