// SPDX-License-Identifier: MIT
// The [Settings] section read at start-up and written at close.
#include "store/SettingsFile.h"
#include "game/GameState.h"
#include "store/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kelvory::GameState;
namespace SettingsFile = kelvory::SettingsFile;

namespace {

GameState StartState() {
    GameState state;
    state.WinSound = "/opt/kelvory/KELVRY4.WAV";
    state.LoseSound = "/opt/kelvory/KELVRY5.WAV";
    return state;
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void noFileKeepsStartValues();
    void firstSaveWritesTheSettingsSection();
    void everyKeyReadsBack();
    void storedValues_data();
    void storedValues();
    void longSoundPathIsCut();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::string path_;
};

void SettingsFileTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = QFile::encodeName(dir_->filePath("KELVRY.INI")).toStdString();
}

void SettingsFileTest::noFileKeepsStartValues() {
    GameState state = StartState();
    state.Spins = 17; // no stored value: Spins falls back to 0, not the current value
    QCOMPARE(SettingsFile::Load(path_, state), false);
    const GameState start = StartState();
    QCOMPARE(state.Credits, 1000.0);
    QCOMPARE(state.Borrowed, 1000.0);
    QCOMPARE(state.Spins, 0);
    QCOMPARE(state.Speed, 10);
    QCOMPARE(state.Sound, true);
    QCOMPARE(state.sndSpin, false);
    QCOMPARE(state.sndLose, false);
    QCOMPARE(state.WinSound, start.WinSound);
    QCOMPARE(state.LoseSound, start.LoseSound);
}

void SettingsFileTest::firstSaveWritesTheSettingsSection() {
    SettingsFile::Save(path_, StartState(), false);
    QFile file(QString::fromStdString(path_));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Settings]\n"
                                        "Credits=1000.00\n"
                                        "Borrowed=1000.00\n"
                                        "Spins=0\n"
                                        "Maxed=0\n"
                                        "Sound=1\n"
                                        "sndCoins=1\n"
                                        "sndCredits=1\n"
                                        "sndSpin=0\n"
                                        "sndStop=1\n"
                                        "sndWin=1\n"
                                        "sndLose=0\n"
                                        "Speed=10\n"
                                        "WinSound=/opt/kelvory/KELVRY4.WAV\n"
                                        "LoseSound=/opt/kelvory/KELVRY5.WAV\n"));
}

void SettingsFileTest::everyKeyReadsBack() {
    GameState saved = StartState();
    saved.Credits = 12.05;
    saved.Borrowed = 999999999.99;
    saved.Spins = 321;
    saved.Sound = false;
    saved.sndCoins = false;
    saved.sndCredits = false;
    saved.sndSpin = true;
    saved.sndStop = false;
    saved.sndWin = false;
    saved.sndLose = true;
    saved.Speed = 55;
    saved.WinSound = "/home/me/My Sounds/win\\1.wav";
    saved.LoseSound = "";
    SettingsFile::Save(path_, saved, true);

    GameState read = StartState();
    QCOMPARE(SettingsFile::Load(path_, read), true);
    QCOMPARE(read.Credits, saved.Credits);
    QCOMPARE(read.Borrowed, saved.Borrowed);
    QCOMPARE(read.Spins, saved.Spins);
    QCOMPARE(read.Sound, saved.Sound);
    QCOMPARE(read.sndCoins, saved.sndCoins);
    QCOMPARE(read.sndCredits, saved.sndCredits);
    QCOMPARE(read.sndSpin, saved.sndSpin);
    QCOMPARE(read.sndStop, saved.sndStop);
    QCOMPARE(read.sndWin, saved.sndWin);
    QCOMPARE(read.sndLose, saved.sndLose);
    QCOMPARE(read.Speed, saved.Speed);
    QCOMPARE(read.WinSound, saved.WinSound);
    QCOMPARE(read.LoseSound, saved.LoseSound);
}

void SettingsFileTest::storedValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("credits");
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("coins");
    QTest::addColumn<bool>("maxed");

    // Start values: 1000 credits, speed 10, coin sound on, normal window.
    QTest::newRow("credits one fraction digit") << "Credits"
                                                << "12.5" << 12.5 << 10 << true << false;
    QTest::newRow("credits two digits") << "Credits"
                                        << "12.50" << 12.5 << 10 << true << false;
    QTest::newRow("credits no point") << "Credits"
                                      << "1234" << 1234.0 << 10 << true << false;
    QTest::newRow("credits nine digits") << "Credits"
                                         << "999999999.99" << 999999999.99 << 10 << true << false;
    QTest::newRow("credits empty gives 0") << "Credits"
                                           << "" << 0.0 << 10 << true << false;
    QTest::newRow("credits letters give 0") << "Credits"
                                            << "lots" << 0.0 << 10 << true << false;
    QTest::newRow("credits read from 30 characters")
        << "Credits"
        << "0000000000000000000000000000001.50" << 0.0 << 10 << true << false;
    QTest::newRow("credits above the meters held at the largest")
        << "Credits"
        << "999999999999998.00" << 999999999.99 << 10 << true << false;
    QTest::newRow("negative credits held at zero") << "Credits"
                                                   << "-1.00" << 0.0 << 10 << true << false;
    QTest::newRow("speed 1") << "Speed"
                             << "1" << 1000.0 << 1 << true << false;
    QTest::newRow("speed 1000") << "Speed"
                                << "1000" << 1000.0 << 1000 << true << false;
    QTest::newRow("speed 0 gives the default") << "Speed"
                                               << "0" << 1000.0 << 10 << true << false;
    QTest::newRow("speed above a second gives the default")
        << "Speed"
        << "2147483647" << 1000.0 << 10 << true << false;
    QTest::newRow("negative speed gives the default") << "Speed"
                                                      << "-55" << 1000.0 << 10 << true << false;
    QTest::newRow("speed 100") << "Speed"
                               << "100" << 1000.0 << 100 << true << false;
    QTest::newRow("speed hex") << "Speed"
                               << "$19" << 1000.0 << 25 << true << false;
    QTest::newRow("speed garbage keeps current") << "Speed"
                                                 << "fast" << 1000.0 << 10 << true << false;
    QTest::newRow("switch 0") << "sndCoins"
                              << "0" << 1000.0 << 10 << false << false;
    QTest::newRow("switch 0x0") << "sndCoins"
                                << "0x0" << 1000.0 << 10 << false << false;
    QTest::newRow("switch word keeps current") << "sndCoins"
                                               << "off" << 1000.0 << 10 << true << false;
    QTest::newRow("maxed 1") << "Maxed"
                             << "1" << 1000.0 << 10 << true << true;
    QTest::newRow("maxed 2") << "Maxed"
                             << "2" << 1000.0 << 10 << true << true;
    QTest::newRow("maxed 0x1") << "Maxed"
                               << "0x1" << 1000.0 << 10 << true << true;
    QTest::newRow("maxed yes keeps normal") << "Maxed"
                                            << "yes" << 1000.0 << 10 << true << false;
}

void SettingsFileTest::storedValues() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(double, credits);
    QFETCH(int, speed);
    QFETCH(bool, coins);
    QFETCH(bool, maxed);
    kelvory::ProfileFile::Write(path_, "Settings", key.toStdString(), value.toStdString());
    GameState state = StartState();
    QCOMPARE(SettingsFile::Load(path_, state), maxed);
    QCOMPARE(state.Credits, credits);
    QCOMPARE(state.Borrowed, 1000.0);
    QCOMPARE(state.Speed, speed);
    QCOMPARE(state.sndCoins, coins);
}

void SettingsFileTest::longSoundPathIsCut() {
    const std::string longPath = "/" + std::string(300, 'a') + ".wav";
    kelvory::ProfileFile::Write(path_, "Settings", "WinSound", longPath);
    GameState state = StartState();
    SettingsFile::Load(path_, state);
    QCOMPARE(state.WinSound, longPath.substr(0, 255));
}

QTEST_APPLESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
