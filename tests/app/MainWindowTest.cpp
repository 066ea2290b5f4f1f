// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "options/SdlSoundPlayer.h"
#include "tests/support/FakeWorld.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"
#include "view/SlotCanvas.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

namespace {

// Entries of a menu, separators as "-", sub-menus as "caption>".
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            entries << QStringLiteral("-");
        } else if (action->menu() != nullptr) {
            entries << action->text() + QLatin1Char('>');
        } else {
            entries << action->text();
        }
    }
    return entries;
}

QMenu* TopMenu(MainWindow& window, const QString& caption) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == caption) {
            return action->menu();
        }
    }
    return nullptr;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void menuHasEveryCaptionInOrder();
    void checkMarksAfterStartUpFollowSettings_data();
    void checkMarksAfterStartUpFollowSettings();
    void speedItemsCheckOnlyTheirOwn();
    void autoItemTogglesAutoSpin();
    void spinWithoutBetShowsInformationBox();
    void enterPressesSpin();
    void buttonsCarryCaptionsAndHints();
    void spinsOfAGivenRandomSourceAreCounted();
    void fullScreenComesAndGoesAndIsRemembered_data();
    void fullScreenComesAndGoesAndIsRemembered();

  private:
    QTemporaryDir config_;
    QString programDir_ = RuntimeDir();
};

void MainWindowTest::init() {
    QVERIFY(config_.isValid());
    QFile::remove(config_.filePath(QStringLiteral("KELVRY.INI")));
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
}

void MainWindowTest::menuHasEveryCaptionInOrder() {
    MainWindow window(programDir_);
    QStringList top;
    for (const QAction* action : window.menuBar()->actions()) {
        top << action->text();
    }
    QCOMPARE(top, (QStringList{"&File", "&Options", "&Borrow", "&Auto", "&Help"}));
    QCOMPARE(Entries(TopMenu(window, "&File")),
             (QStringList{"&New", "-", "&Open", "&Save", "S&tatistics...", "-", "E&xit"}));
    QCOMPARE(
        Entries(TopMenu(window, "&Options")),
        (QStringList{"&Sound>", "-", "S&peed>", "&Volume...", "&Full Screen", "&Reduced Motion"}));
    QCOMPARE(Entries(window.Menu().SoundMenu),
             (QStringList{"On", "-", "Coin Sound", "Credit Sound", "Lose Sound", "Spin Sound",
                          "Stop Sound", "Win Sound", "-", "Change Sounds"}));
    QCOMPARE(Entries(window.Menu().SpeedMenu),
             (QStringList{"&Very Fast", "&Fast", "&Medium", "&Slow"}));
    QCOMPARE(Entries(TopMenu(window, "&Auto")), QStringList{"&On"});
    QCOMPARE(Entries(TopMenu(window, "&Help")),
             (QStringList{"&About", "-", "&Help Contents", "&Understanding the Payoffs", "-",
                          "&Special Offer", "Secure &Online Orders", "&Catalog", "&Free CD!"}));
}

void MainWindowTest::checkMarksAfterStartUpFollowSettings_data() {
    QTest::addColumn<QString>("settings");
    // On, Coin, Credit, Lose, Spin, Stop, Win; Very Fast, Fast, Medium, Slow; Auto;
    // Reduced Motion; full screen; the volume the sound output plays at
    QTest::addColumn<QString>("marks");
    QTest::newRow("no settings file") << QString() << "1110011 1000 0 0 0 100";
    QTest::newRow("coin off, credit on, slow") << "sndCoins=0\nsndCredits=1\nSpeed=55\n"
                                               << "1010011 0001 0 0 0 100";
    QTest::newRow("everything off, medium")
        << "Sound=0\nsndCoins=0\nsndCredits=0\nsndStop=0\nsndWin=0\nSpeed=40\n"
        << "0000000 0010 0 0 0 100";
    QTest::newRow("all on, a speed of no menu item") << "sndLose=1\nsndSpin=1\nSpeed=100\n"
                                                     << "1111111 0000 0 0 0 100";
    QTest::newRow("preferences: reduced motion, full screen, volume 35")
        << "[Preferences]\nFullScreen=1\nVolume=35\nReducedMotion=1\n"
        << "1110011 1000 0 1 1 35";
    QTest::newRow("preferences out of range") << "[Preferences]\nFullScreen=x\nVolume=200\n"
                                              << "1110011 1000 0 0 0 100";
}

void MainWindowTest::checkMarksAfterStartUpFollowSettings() {
    QFETCH(QString, settings);
    QFETCH(QString, marks);
    if (!settings.isEmpty()) {
        QFile file(config_.filePath(QStringLiteral("KELVRY.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n" + settings.toLatin1());
    }
    MainWindow window(programDir_);
    const MainMenu& m = window.Menu();
    QString actual;
    for (const QAction* a : {m.SoundOnItem, m.CoinSoundItem, m.CreditSoundItem, m.LoseSoundItem,
                             m.SpinSoundItem, m.StopSoundItem, m.WinSoundItem}) {
        actual += a->isChecked() ? '1' : '0';
    }
    actual += ' ';
    for (const QAction* a : {m.VeryFastItem, m.FastItem, m.MediumItem, m.SlowItem}) {
        actual += a->isChecked() ? '1' : '0';
    }
    actual += ' ';
    actual += m.AutoSpinItem->isChecked() ? '1' : '0';
    actual += m.ReducedMotionItem->isChecked() ? " 1" : " 0";
    actual += window.isFullScreen() && m.FullScreenItem->isChecked() ? " 1" : " 0";
    actual += ' ' + QString::number(window.SoundOutput().Volume());
    QCOMPARE(actual, marks);
}

void MainWindowTest::speedItemsCheckOnlyTheirOwn() {
    MainWindow window(programDir_);
    const MainMenu& m = window.Menu();
    m.SlowItem->trigger();
    QCOMPARE(window.State().Speed, 55);
    QVERIFY(m.SlowItem->isChecked() && !m.VeryFastItem->isChecked());
    m.SlowItem->trigger(); // choosing the checked item again keeps it checked
    QVERIFY(m.SlowItem->isChecked());
    m.FastItem->trigger();
    QCOMPARE(window.State().Speed, 25);
    QVERIFY(m.FastItem->isChecked() && !m.SlowItem->isChecked() && !m.MediumItem->isChecked());
}

void MainWindowTest::autoItemTogglesAutoSpin() {
    MainWindow window(programDir_);
    window.Menu().AutoSpinItem->trigger();
    QVERIFY(window.State().AutoSpinOn);
    QVERIFY(window.Menu().AutoSpinItem->isChecked());
    QVERIFY(window.AutoSpinTimer()->isActive());
    QCOMPARE(window.AutoSpinTimer()->interval(), 500);
    QVERIFY(window.AutoSpinTimer()->isSingleShot());
    window.Menu().AutoSpinItem->trigger();
    QVERIFY(!window.State().AutoSpinOn);
    QVERIFY(!window.Menu().AutoSpinItem->isChecked());
}

void MainWindowTest::spinWithoutBetShowsInformationBox() {
    MainWindow window(programDir_);
    window.show();
    ModalDriver driver;
    QTest::mouseClick(window.SpinButton(), Qt::LeftButton);
    QCOMPARE(driver.windows.size(), 1);
    QCOMPARE(driver.windows[0].caption, QStringLiteral("Information"));
    QCOMPARE(driver.windows[0].text, QStringLiteral("Please place a bet before spinning!"));
    QCOMPARE(driver.windows[0].icon, QMessageBox::Information);
    QCOMPARE(window.State().Credits, 1000.0);
}

void MainWindowTest::enterPressesSpin() {
    MainWindow window(programDir_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ModalDriver driver;
    QTest::keyClick(&window, Qt::Key_Return);
    QTRY_COMPARE(driver.Texts(), QStringList{"Please place a bet before spinning!"});
}

void MainWindowTest::buttonsCarryCaptionsAndHints() {
    MainWindow window(programDir_);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kelvory"));
    QCOMPARE(window.BetOneButton()->text(), QStringLiteral("Bet 1"));
    QCOMPARE(window.BetOneButton()->toolTip(), QStringLiteral("Bet one credit"));
    QCOMPARE(window.BetTwoButton()->text(), QStringLiteral("Bet 2"));
    QCOMPARE(window.BetTwoButton()->toolTip(), QStringLiteral("Bet two credits"));
    QCOMPARE(window.SpinButton()->text(), QStringLiteral("Spin"));
    QCOMPARE(window.SpinButton()->toolTip(), QStringLiteral("Spin the slot wheels"));
    QCOMPARE(window.FlashTimer()->interval(), 300);
    QVERIFY(!window.FlashTimer()->isActive());
}

void MainWindowTest::spinsOfAGivenRandomSourceAreCounted() {
    test::FakeWorld random;
    random.choices = {0, 0, 0};
    MainWindow window(programDir_, random);
    window.State().Speed = 1;
    window.BetOne();
    window.Spin();
    QCOMPARE(window.State().Spins, 1);
    QCOMPARE(window.Statistics().Game().Spins, 1);
    QVERIFY(random.choices.empty()); // the reels rested where the source said
}

void MainWindowTest::fullScreenComesAndGoesAndIsRemembered_data() {
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QString>("saved");
    QTest::newRow("from the normal window") << false << "Maxed=0";
    QTest::newRow("from the maximised window") << true << "Maxed=1";
}

void MainWindowTest::fullScreenComesAndGoesAndIsRemembered() {
    QFETCH(bool, maximised);
    QFETCH(QString, saved);
    MainWindow window(programDir_);
    if (maximised) {
        window.showMaximized();
    } else {
        window.show();
    }
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* item = window.Menu().FullScreenItem;
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(window.isFullScreen());
    QVERIFY(item->isChecked());
    QTest::keyClick(window.SpinButton(), Qt::Key_Escape);
    QVERIFY(!window.isFullScreen());
    QVERIFY(!item->isChecked());
    QCOMPARE(window.isMaximized(), maximised);
    item->trigger();
    QVERIFY(window.isFullScreen());
    // Closed in full screen: Maxed is the state underneath, and full screen
    // is kept of its own.
    QVERIFY(window.close());
    QFile file(config_.filePath(QStringLiteral("KELVRY.INI")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    QVERIFY(text.contains(saved));
    QVERIFY(text.contains("[Preferences]\nFullScreen=1\n"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
