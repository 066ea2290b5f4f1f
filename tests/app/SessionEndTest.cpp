// SPDX-License-Identifier: MIT
// Ending a session while the game runs: a close during a spin, its payout or a
// bet pause, a second close, and termination signals with dialogs open.
#include "app/MainWindow.h"
#include "store/ProfileFile.h"
#include "tests/support/Rig.h"
#include "tests/support/RuntimeDir.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <functional>

using namespace kelvory;
using kelvory::test::RuntimeDir;

namespace {

// Runs `action` once from the event loop as soon as `when` holds.
void OnceWhen(QObject* context, std::function<bool()> when, std::function<void()> action) {
    auto* timer = new QTimer(context);
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [timer, when, action] {
        if (when()) {
            timer->stop();
            timer->deleteLater();
            action();
        }
    });
    timer->start();
}

// A silent 8-bit mono WAV of the given length.
bool WriteSilence(const QString& path, int seconds) {
    constexpr quint32 kRate = 8000;
    const quint32 bytes = kRate * static_cast<quint32>(seconds);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << kRate << kRate << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << bytes;
    file.write(QByteArray(static_cast<int>(bytes), char(0x80)));
    return file.error() == QFile::NoError;
}

} // namespace

class SessionEndTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void closeSavesStakeAtOnceThenWin_data();
    void closeSavesStakeAtOnceThenWin();
    void secondCloseSettlesAtOnce();
    void closeCutsLongWinSoundShort();
    void terminationPaysTheRunningWin_data();
    void terminationPaysTheRunningWin();
    void terminationClosesWhateverIsOpen_data();
    void terminationClosesWhateverIsOpen();

  private:
    std::string Stored(const char* key) const {
        const QString path = dir_->filePath(QStringLiteral("KELVRY.INI"));
        return ProfileFile::Read(QFile::encodeName(path).toStdString(), "Settings", key,
                                 "<missing>");
    }
    // A shown window whose next spin, staked with 2, wins `amount`.
    std::unique_ptr<MainWindow> Window(int amount) {
        scripted_.world.choices.clear();
        scripted_.NextSpinWins(2, amount);
        auto window = std::make_unique<MainWindow>(programDir_, scripted_.world);
        window->State().sndWin = false;
        window->show();
        return window;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    test::Rig scripted_; // its fake world chooses where the window's reels rest
    QString programDir_ = RuntimeDir();
};

void SessionEndTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path()));
}

void SessionEndTest::closeSavesStakeAtOnceThenWin_data() {
    QTest::addColumn<int>("moment");
    QTest::newRow("pause after the stake") << 0;
    QTest::newRow("spin") << 1;
    QTest::newRow("count-up") << 2;
}

void SessionEndTest::closeSavesStakeAtOnceThenWin() {
    QFETCH(int, moment);
    auto window = Window(4);
    GameState& state = window->State();
    const std::function<bool()> moments[] = {
        [&] { return state.BetInPlay == 2 && !state.Spinning; },
        [&] { return state.Spinning && state.WinAmount == 0; },
        [&] { return state.Credits > 998; }};
    std::string saved;
    double creditsAtClose = 0;
    bool openAfterClose = false;
    OnceWhen(window.get(), moments[moment], [&] {
        creditsAtClose = state.Credits;
        window->close();
        saved = Stored("Credits");
        openAfterClose = window->isVisible();
    });
    window->BetTwo();
    QVERIFY(creditsAtClose >= 998 && creditsAtClose < 1002);
    QCOMPARE(QString::fromStdString(saved), QString::number(creditsAtClose, 'f', 2));
    QVERIFY(openAfterClose);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(Stored("Credits"), std::string("1002.00"));
    QCOMPARE(Stored("Spins"), std::string("1"));
}

void SessionEndTest::secondCloseSettlesAtOnce() {
    auto window = Window(500); // a count-up of about 9 s
    GameState& state = window->State();
    bool settling = false;
    OnceWhen(
        window.get(), [&] { return state.Spinning; }, [&] { window->close(); });
    OnceWhen(
        window.get(), [&] { return state.Credits > 1000; },
        [&] {
            window->close();
            settling = window->Engine().Settling();
        });
    window->BetTwo();
    QVERIFY(settling);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(Stored("Credits"), std::string("1498.00"));
}

void SessionEndTest::closeCutsLongWinSoundShort() {
    const QString sound = dir_->filePath(QStringLiteral("long.wav"));
    QVERIFY(WriteSilence(sound, 90));
    auto window = Window(4);
    GameState& state = window->State();
    state.sndWin = true;
    state.WinSound = QFile::encodeName(sound).toStdString();
    bool settling = true;
    OnceWhen(
        window.get(), [&] { return state.WinAmount > 0 && state.Credits == 998; },
        [&] {
            window->close();
            settling = window->Engine().Settling();
        });
    window->BetTwo();
    QVERIFY(!settling); // a first close cuts the sound, not the count-up
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(Stored("Credits"), std::string("1002.00"));
}

void SessionEndTest::terminationPaysTheRunningWin_data() {
    QTest::addColumn<bool>("duringSound"); // else during the count-up
    QTest::newRow("during the count-up") << false;
    QTest::newRow("during a long win sound") << true;
}

void SessionEndTest::terminationPaysTheRunningWin() {
    QFETCH(bool, duringSound);
    const QString sound = dir_->filePath(QStringLiteral("long.wav"));
    QVERIFY(WriteSilence(sound, 90));
    auto window = Window(500);
    GameState& state = window->State();
    state.sndWin = duringSound;
    state.WinSound = QFile::encodeName(sound).toStdString();
    OnceWhen(
        window.get(),
        [&] {
            return duringSound ? state.WinAmount > 0 && state.Credits == 998 : state.Credits > 998;
        },
        [] { ::raise(SIGTERM); });
    window->BetTwo();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(Stored("Credits"), std::string("1498.00"));
}

void SessionEndTest::terminationClosesWhateverIsOpen_data() {
    QTest::addColumn<int>("open");
    QTest::addColumn<QString>("credits");
    QTest::newRow("bet message") << 0 << "1000.00";
    QTest::newRow("borrow dialog") << 1 << "1000.00";
    QTest::newRow("saved games dialog") << 2 << "1000.00";
    QTest::newRow("sounds dialog") << 3 << "1000.00";
    QTest::newRow("borrow dialog during the spin") << 4 << "1002.00";
}

void SessionEndTest::terminationClosesWhateverIsOpen() {
    QFETCH(int, open);
    QFETCH(QString, credits);
    auto window = Window(4);
    MainWindow* w = window.get();
    OnceWhen(
        w, [] { return QApplication::activeModalWidget() != nullptr; }, [] { ::raise(SIGTERM); });
    switch (open) {
    case 0:
        w->Spin();
        break;
    case 1:
        w->ShowBorrowDialog();
        break;
    case 2:
        w->OpenSavedGame();
        break;
    case 3:
        w->ShowSoundFilesDialog();
        break;
    default:
        OnceWhen(
            w, [w] { return w->State().Spinning; }, [w] { w->ShowBorrowDialog(); });
        w->BetTwo();
        break;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 30000);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(QString::fromStdString(Stored("Credits")), credits);
}

QTEST_MAIN(SessionEndTest)
#include "SessionEndTest.moc"
