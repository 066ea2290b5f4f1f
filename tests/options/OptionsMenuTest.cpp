// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "app/dialogs/BorrowDialog.h"
#include "app/dialogs/VolumeDialog.h"
#include "options/SdlSoundPlayer.h"
#include "store/ProfileFile.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"
#include "view/SlotCanvas.h"

#include <QFile>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

class OptionsMenuTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;

    // Runs a modal dialog opened by `open`, handing it to `work` once shown.
    template <typename Dialog>
    void WithDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& work) {
        ModalDriver driver;
        driver.AnswerNext<Dialog>([&work](Dialog* dialog) {
            work(*dialog);
            dialog->accept();
        });
        open();
        QCOMPARE(driver.Waiting(), 0);
    }

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }
    // Each test starts from no settings file: the game saves as it goes on.
    void init() { QFile::remove(config_.filePath(QStringLiteral("KELVRY.INI"))); }

    void toggleKeepsCheckMarkEqualToItsField_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("field");
        const char* items[] = {"SoundOnItem",   "CoinSoundItem", "CreditSoundItem", "LoseSoundItem",
                               "SpinSoundItem", "StopSoundItem", "WinSoundItem"};
        for (int i = 0; i < 7; ++i) {
            QTest::newRow(items[i]) << items[i] << i;
        }
    }
    void toggleKeepsCheckMarkEqualToItsField() {
        QFETCH(QString, item);
        QFETCH(int, field);
        ModalDriver driver;
        MainWindow window(RuntimeDir());
        MainMenu& m = window.Menu();
        GameState& s = window.State();
        QAction* actions[] = {m.SoundOnItem,   m.CoinSoundItem, m.CreditSoundItem, m.LoseSoundItem,
                              m.SpinSoundItem, m.StopSoundItem, m.WinSoundItem};
        bool* fields[] = {&s.Sound,   &s.sndCoins, &s.sndCredits, &s.sndLose,
                          &s.sndSpin, &s.sndStop,  &s.sndWin};
        QAction* action = actions[field];
        QCOMPARE(action->objectName().isEmpty() ? item : action->objectName(), item);
        bool before[7];
        for (int i = 0; i < 7; ++i) {
            before[i] = *fields[i];
        }
        for (int round = 1; round <= 2; ++round) {
            action->trigger();
            for (int i = 0; i < 7; ++i) {
                const bool expected = i == field ? (round == 1) != before[i] : before[i];
                QCOMPARE(*fields[i], expected);
                QCOMPARE(actions[i]->isChecked(), *fields[i]);
            }
        }
    }

    void borrowMenuMovesMoneyAndRepaintsTheMeter() {
        ModalDriver driver;
        MainWindow window(RuntimeDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage before = window.Canvas().Canvas().copy();
        WithDialog<BorrowDialog>([&] { window.Menu().BorrowItem->trigger(); },
                                 [](BorrowDialog& dialog) {
                                     QVERIFY(dialog.BorrowMode->isChecked());
                                     dialog.ChipButtons[0]->click(); // borrow 1000
                                     dialog.PayBackMode->setChecked(true);
                                 });
        QCOMPARE(window.State().Credits, 2000.0);
        QCOMPARE(window.State().Borrowed, 2000.0);
        QVERIFY(window.Canvas().Canvas() != before);
        // The next opening starts in "Borrow Credits" mode again.
        WithDialog<BorrowDialog>([&] { window.Menu().BorrowItem->trigger(); },
                                 [](BorrowDialog& dialog) {
                                     QVERIFY(dialog.BorrowMode->isChecked());
                                     QVERIFY(!dialog.PayBackMode->isChecked());
                                 });
    }

    void mKeyTogglesTheMasterSwitch_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("M") << int(Qt::NoModifier) << true;
        QTest::newRow("Ctrl+M is not M") << int(Qt::ControlModifier) << false;
    }
    void mKeyTogglesTheMasterSwitch() {
        QFETCH(int, modifiers);
        QFETCH(bool, toggles);
        MainWindow window(RuntimeDir());
        window.show();
        const bool before = window.State().Sound;
        for (bool expected : {!before, before}) {
            QTest::keyClick(window.SpinButton(), Qt::Key_M, Qt::KeyboardModifiers(modifiers));
            QCOMPARE(window.State().Sound, toggles ? expected : before);
            QCOMPARE(window.Menu().SoundOnItem->isChecked(), window.State().Sound);
        }
    }

    void volumeReachesTheMixerAndIsSaved_data() {
        QTest::addColumn<bool>("drag");
        QTest::addColumn<int>("level");
        QTest::newRow("dragged to 35 and let go") << true << 35;
        QTest::newRow("Page Down from full") << false << 90;
    }
    void volumeReachesTheMixerAndIsSaved() {
        QFETCH(bool, drag);
        QFETCH(int, level);
        MainWindow window(RuntimeDir());
        window.show();
        const SdlSoundPlayer& output = window.SoundOutput();
        WithDialog<VolumeDialog>([&] { window.Menu().VolumeItem->trigger(); },
                                 [&](VolumeDialog& dialog) {
                                     QCOMPARE(dialog.Slider->value(), 100);
                                     if (drag) {
                                         dialog.Slider->setSliderDown(true);
                                         dialog.Slider->setValue(level);
                                         QVERIFY(!output.IsPlaying()); // heard when let go
                                         dialog.Slider->setSliderDown(false);
                                     } else {
                                         QTest::keyClick(dialog.Slider, Qt::Key_PageDown);
                                     }
                                     QVERIFY(output.IsPlaying()); // the coin, at the new level
                                     QCOMPARE(output.Volume(), level);
                                 });
        QCOMPARE(output.Volume(), level);
        QVERIFY(window.close());
        const std::string ini = QFile::encodeName(config_.filePath("KELVRY.INI")).toStdString();
        QCOMPARE(ProfileFile::Read(ini, "Preferences", "Volume", "missing"), std::to_string(level));
    }

    void missingDefaultSoundIsReportedAndTheGameStillPlays() {
        QTemporaryDir program;
        for (const char* name : {"KELVRY0.WAV", "KELVRY2.WAV", "KELVRY3.WAV"}) {
            QVERIFY(QFile::copy(RuntimeDir() + name, program.filePath(name)));
        }
        ModalDriver driver;
        MainWindow window(program.path() + "/");
        bool reported = false;
        for (const auto& box : driver.windows) {
            reported = reported || (box.caption == "Kelvory" && box.text == "File not found.");
        }
        QVERIFY(reported);
        QCOMPARE(window.State().Credits, 1000.0);
        QCOMPARE(window.State().WinSound, (program.path() + "/KELVRY4.WAV").toStdString());
        window.BetOneButton()->click();
        QCOMPARE(window.State().BetInPlay, 1);
        QCOMPARE(window.State().Credits, 999.0);
    }
};

QTEST_MAIN(OptionsMenuTest)
#include "OptionsMenuTest.moc"
