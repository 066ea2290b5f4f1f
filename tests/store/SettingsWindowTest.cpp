// SPDX-License-Identifier: MIT
// The main window's settings: read at start-up, saved when it closes (also
// by a termination signal), and a failed save, after which the player may quit
// unsaved. Closes during a spin are tested with the main window's session end.
#include "app/MainWindow.h"
#include "app/dialogs/BorrowDialog.h"
#include "store/ProfileFile.h"
#include "tests/support/FakeWorld.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/Rig.h"
#include "tests/support/RuntimeDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <dirent.h>
#include <sys/stat.h>

using kelvory::MainWindow;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

class SettingsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void firstCloseWritesTheSettingsSection();
    void settingsShapeTheStart();
    void maximisedState_data();
    void maximisedState();
    void failedSaveAsksToQuitWithoutSaving_data();
    void failedSaveAsksToQuitWithoutSaving();
    void nonUtf8ConfigFolderKeepsItsFile();
    void gameIsSavedAsItGoesOn_data();
    void gameIsSavedAsItGoesOn();
    void failedAutosaveIsShownOnce();
    void terminationSignalSaves_data();
    void terminationSignalSaves();

  private:
    QString IniPath() const { return dir_->filePath("KELVRY.INI"); }
    std::string NativeIni() const { return QFile::encodeName(IniPath()).toStdString(); }
    std::string Stored(const char* key) const {
        return kelvory::ProfileFile::Read(NativeIni(), "Settings", key, "<missing>");
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString programDir_ = RuntimeDir();
};

void SettingsWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path()));
}

void SettingsWindowTest::firstCloseWritesTheSettingsSection() {
    {
        MainWindow window(programDir_);
        QCOMPARE(window.SettingsFolder(), QFile::encodeName(dir_->path()).toStdString() + "/");
        window.show();
        QVERIFY(window.close());
    }
    QFile file(IniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), "[Settings]\n"
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
                                                "WinSound=" +
                                                    programDir_ + "KELVRY4.WAV\n" +
                                                    "LoseSound=" + programDir_ + "KELVRY5.WAV\n" +
                                                    "\n[Preferences]\n"
                                                    "FullScreen=0\n"
                                                    "Volume=100\n"
                                                    "ReducedMotion=0\n");
}

void SettingsWindowTest::settingsShapeTheStart() {
    const std::string ini = NativeIni();
    for (const auto& [key, value] : {std::pair{"Credits", "12.5"},
                                     {"Borrowed", "2000.00"},
                                     {"sndCoins", "0"},
                                     {"sndCredits", "1"},
                                     {"Speed", "100"}}) {
        kelvory::ProfileFile::Write(ini, "Settings", key, value);
    }
    const std::size_t readsBefore = kelvory::ProfileFile::ReadCount();
    MainWindow window(programDir_);
    // The start reads the file once, whatever it takes from it.
    QCOMPARE(kelvory::ProfileFile::ReadCount() - readsBefore, 1u);
    QCOMPARE(window.State().Credits, 12.5);
    QCOMPARE(window.State().Borrowed, 2000.0);
    QCOMPARE(window.State().Speed, 100);
    QVERIFY(!window.Menu().CoinSoundItem->isChecked());
    QVERIFY(window.Menu().CreditSoundItem->isChecked());
    for (QAction* speed : {window.Menu().VeryFastItem, window.Menu().FastItem,
                           window.Menu().MediumItem, window.Menu().SlowItem}) {
        QVERIFY(!speed->isChecked());
    }
    window.show();
    QVERIFY(window.close());
    QCOMPARE(kelvory::ProfileFile::ReadCount() - readsBefore, 2u);
}

void SettingsWindowTest::maximisedState_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("opensMaximised");
    QTest::addColumn<int>("stateAtClose");
    QTest::addColumn<QString>("saved");
    QTest::newRow("normal") << "0" << false << int(Qt::WindowNoState) << "0";
    QTest::newRow("maximised") << "1" << true << int(Qt::WindowMaximized) << "1";
    QTest::newRow("any non-zero integer") << "2" << true << int(Qt::WindowMaximized) << "1";
    QTest::newRow("not an integer") << "yes" << false << int(Qt::WindowNoState) << "0";
    QTest::newRow("minimised saves 0")
        << "1" << true << int(Qt::WindowMaximized | Qt::WindowMinimized) << "0";
    // A window manager may drop the maximised state under full screen; the
    // state full screen returns to is what counts.
    QTest::newRow("full screen over the maximised window saves 1")
        << "1" << true << int(Qt::WindowFullScreen) << "1";
    QTest::newRow("full screen over the normal window saves 0")
        << "0" << false << int(Qt::WindowFullScreen) << "0";
}

void SettingsWindowTest::maximisedState() {
    QFETCH(QString, stored);
    QFETCH(bool, opensMaximised);
    QFETCH(int, stateAtClose);
    QFETCH(QString, saved);
    kelvory::ProfileFile::Write(NativeIni(), "Settings", "Maxed", stored.toStdString());
    MainWindow window(programDir_);
    QCOMPARE(window.windowState().testFlag(Qt::WindowMaximized), opensMaximised);
    window.show();
    window.setWindowState(Qt::WindowStates(stateAtClose));
    QVERIFY(window.close());
    QCOMPARE(QString::fromStdString(Stored("Maxed")), saved);
}

void SettingsWindowTest::nonUtf8ConfigFolderKeepsItsFile() {
    // "latén" in Latin-1: byte 0xE9 is not valid UTF-8.
    const std::string parent = QFile::encodeName(dir_->path()).toStdString();
    const std::string folder = parent + "/lat\xe9n";
    QVERIFY(::mkdir(folder.c_str(), 0755) == 0);
    kelvory::ProfileFile::Write(folder + "/KELVRY.INI", "Settings", "Credits", "123.00");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder));
    {
        MainWindow window(programDir_);
        QCOMPARE(window.State().Credits, 123.0);
        window.State().Credits = 456;
        window.show();
        QVERIFY(window.close());
    }
    QCOMPARE(kelvory::ProfileFile::Read(folder + "/KELVRY.INI", "Settings", "Credits", ""),
             std::string("456.00"));
    std::vector<std::string> entries;
    DIR* dir = ::opendir(parent.c_str());
    QVERIFY(dir != nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') {
            entries.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    QCOMPARE(entries, std::vector<std::string>{"lat\xe9n"});
}

void SettingsWindowTest::failedSaveAsksToQuitWithoutSaving_data() {
    QTest::addColumn<bool>("quit");
    QTest::addColumn<bool>("duringBet"); // else with the game at rest
    QTest::newRow("Cancel keeps playing") << false << false;
    QTest::newRow("Quit ends the game") << true << false;
    QTest::newRow("Quit during a bet ends the game") << true << true;
}

void SettingsWindowTest::failedSaveAsksToQuitWithoutSaving() {
    QFETCH(bool, quit);
    QFETCH(bool, duringBet);
    // A folder where the file belongs cannot be replaced, not even by root.
    QVERIFY(QDir(dir_->path()).mkdir("KELVRY.INI"));
    MainWindow window(programDir_);
    window.show();
    ModalDriver driver; // a box beyond these two is accepted
    driver.AnswerNext<QMessageBox>([](QMessageBox* box) { box->close(); });
    driver.AnswerNext<QMessageBox>([quit](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == (quit ? "Quit" : "Cancel")) {
                button->click();
            }
        }
    });
    if (duringBet) {
        QTimer::singleShot(0, &window, [&window] { window.close(); });
        window.BetTwo();
    } else {
        QCOMPARE(window.close(), quit);
    }
    QTRY_COMPARE_WITH_TIMEOUT(window.isVisible(), !quit, 10000);
    QCOMPARE(driver.Captions(), (QStringList{"Kelvory", "Kelvory"}));
    QCOMPARE(driver.Texts(),
             (QStringList{"Unable to write to " + IniPath() + ".", "Quit without saving?"}));
    QVERIFY(QFileInfo(IniPath()).isDir());
    QVERIFY(QDir(IniPath()).isEmpty());
}

void SettingsWindowTest::gameIsSavedAsItGoesOn_data() {
    QTest::addColumn<int>("step");
    QTest::newRow("after a spin's payout") << 0;
    QTest::newRow("after each borrow") << 1;
    QTest::newRow("after a new game") << 2;
    QTest::newRow("after an opened game") << 3;
}

void SettingsWindowTest::gameIsSavedAsItGoesOn() {
    QFETCH(int, step);
    kelvory::test::FakeWorld random;
    const auto stops = kelvory::test::Rig::FindStops(
        1, [](const kelvory::WinResult& result) { return result.Amount > 0; });
    random.RestAt(stops[0], stops[1], stops[2]);
    MainWindow window(programDir_, random);
    window.State().Speed = 1;
    window.State().Credits = 500; // unlike a new or opened game's
    ModalDriver driver;
    std::string savedInDialog;
    switch (step) {
    case 0:
        window.BetOne();
        window.Spin();
        QVERIFY(window.State().Credits > 500); // the win is in
        break;
    case 1:
        driver.AnswerNext<kelvory::BorrowDialog>([&](kelvory::BorrowDialog* dialog) {
            dialog->ChipButtons[0]->click(); // 1000 credits
            savedInDialog = Stored("Credits");
            dialog->accept();
        });
        window.ShowBorrowDialog();
        QCOMPARE(savedInDialog, std::string("1500.00"));
        break;
    case 2:
        window.NewGame();
        break;
    default:
        driver.AnswerNext<kelvory::SavedGamesDialog>(
            [](kelvory::SavedGamesDialog* dialog) { dialog->SlotButtons[0]->click(); });
        window.OpenSavedGame();
        break;
    }
    QCOMPARE(QString::fromStdString(Stored("Credits")),
             QString::number(window.State().Credits, 'f', 2));
    QCOMPARE(Stored("Spins"), std::to_string(window.State().Spins));
}

void SettingsWindowTest::failedAutosaveIsShownOnce() {
    QVERIFY(QDir(dir_->path()).mkdir("KELVRY.INI"));
    kelvory::test::FakeWorld random;
    random.choices = {0, 0, 0, 0, 0, 0};
    MainWindow window(programDir_, random);
    window.State().Speed = 1;
    window.show();
    ModalDriver driver;
    for (int spin = 0; spin < 2; ++spin) {
        window.BetOne();
        window.Spin();
    }
    QCOMPARE(window.State().Spins, 2);
    // The close reports its own failure.
    driver.AnswerNext<QMessageBox>([](QMessageBox* box) { box->close(); });
    driver.AnswerNext<QMessageBox>(
        [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
    QVERIFY(!window.close());
    const QString error = "Unable to write to " + IniPath() + ".";
    QCOMPARE(driver.Texts(), (QStringList{error, error, "Quit without saving?"}));
}

void SettingsWindowTest::terminationSignalSaves_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void SettingsWindowTest::terminationSignalSaves() {
    QFETCH(int, signal);
    MainWindow window(programDir_);
    window.show();
    window.State().Credits = 1234.5;
    window.State().Speed = 40;
    ::raise(signal);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    QCOMPARE(Stored("Credits"), std::string("1234.50"));
    QCOMPARE(Stored("Speed"), std::string("40"));
}

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"
