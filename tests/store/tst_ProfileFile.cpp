// The profile file on disk: defaults, atomic replacement, unwritable files
// and folders, and a kill in the middle of a write.
#include "ProfileFile.h"
#include "ProfileText.h"
#include "ProfileWriteError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using kelvory::ProfileFile;

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

} // namespace

class ProfileFileTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void missingFileGivesDefault();
    void writeCreatesFileAndKeepsOtherContent();
    void writeKeepsModeAndSymbolicLink();
    void unwritableTargetFails_data();
    void unwritableTargetFails();
    void killDuringWriteLeavesOldOrNewFile();

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

void ProfileFileTest::unwritableTargetFails_data() {
    QTest::addColumn<QString>("setup");
    QTest::newRow("read-only file") << "file";
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("folder is a regular file") << "notdir";
    QTest::newRow("file is a folder") << "isdir";
}

void ProfileFileTest::unwritableTargetFails() {
    QFETCH(QString, setup);
    const QString folder = dir_->filePath("cfg");
    QVERIFY(QDir().mkpath(folder));
    QString path = folder + "/KELVRY.INI";
    const QByteArray before = "[Settings]\nCredits=1.00\n";
    if (setup == "file") {
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        WriteAll(path, before);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    } else if (setup == "folder") {
        WriteAll(path, before);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    } else if (setup == "notdir") {
        WriteAll(folder + "/plain", before);
        path = folder + "/plain/KELVRY.INI";
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    int exitCode = 0;
    const QString output = WriteAsUser(path, exitCode);
    QCOMPARE(exitCode, 1);
    QCOMPARE(output, "Unable to write to " + path);
    if (setup == "file" || setup == "folder") {
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
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

void ProfileFileTest::killDuringWriteLeavesOldOrNewFile() {
    const QString path = dir_->filePath("KELVRY.INI");
    // A file large enough that every write takes a while.
    QByteArray text = "[Filler]\n";
    constexpr int kKeys = 3000;
    for (int i = 0; i < kKeys; ++i) {
        text += "K" + QByteArray::number(i) + "=value " + QByteArray::number(i) + " " +
                QByteArray(40, 'x') + "\n";
    }
    text += "[Data]\nCounter=0\n";
    WriteAll(path, text);

    long lastCounter = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess writer;
        writer.start(WriterPath(), {"loop", path});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(10000));
        QTest::qWait(QRandomGenerator::global()->bounded(1, 60));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));

        const std::string after = ReadAll(path).toStdString();
        for (int i = 0; i < kKeys; i += 97) {
            const std::string key = "K" + std::to_string(i);
            QCOMPARE(kelvory::ProfileText::Read(after, "Filler", key, "missing"),
                     "value " + std::to_string(i) + " " + std::string(40, 'x'));
        }
        const std::string counter = kelvory::ProfileText::Read(after, "Data", "Counter", "missing");
        bool ok = false;
        const long value = QString::fromStdString(counter).toLong(&ok);
        QVERIFY2(ok, counter.c_str());
        QVERIFY(value >= lastCounter);
        QCOMPARE(after.size(), text.size() + counter.size() - 1);
        lastCounter = value;
    }
}

QTEST_GUILESS_MAIN(ProfileFileTest)
#include "tst_ProfileFile.moc"
