// SPDX-License-Identifier: MIT
#include "app/TSlots.h"
#include "tests/support/ModalDriver.h"
#include "view/SlotCanvas.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvory;
using kelvory::test::ModalDriver;

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

QMenu* TopMenu(TSlots& window, const QString& caption) {
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
    void fullScreenComesAndGoesAndIsNotSaved_data();
    void fullScreenComesAndGoesAndIsNotSaved();

  private:
    QTemporaryDir config_;
    QString programDir_ = qEnvironmentVariable("KELVORY_RUNTIME_DIR");
};

void MainWindowTest::init() {
    QVERIFY(config_.isValid());
    QFile::remove(config_.filePath(QStringLiteral("KELVRY.INI")));
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
}

void MainWindowTest::menuHasEveryCaptionInOrder() {
    TSlots window(programDir_);
    QStringList top;
    for (const QAction* action : window.menuBar()->actions()) {
        top << action->text();
    }
    QCOMPARE(top, (QStringList{"&File", "&Options", "&Borrow", "&Auto", "&Help"}));
    QCOMPARE(Entries(TopMenu(window, "&File")),
             (QStringList{"&New", "-", "&Open", "&Save", "S&tatistics...", "-", "E&xit"}));
    QCOMPARE(Entries(TopMenu(window, "&Options")),
             (QStringList{"&Sound>", "-", "S&peed>", "&Full Screen"}));
    QCOMPARE(Entries(window.Menu().Sound1),
             (QStringList{"On", "-", "Coin Sound", "Credit Sound", "Lose Sound", "Spin Sound",
                          "Stop Sound", "Win Sound", "-", "Change Sounds"}));
    QCOMPARE(Entries(window.Menu().Speed1),
             (QStringList{"&Very Fast", "&Fast", "&Medium", "&Slow"}));
    QCOMPARE(Entries(TopMenu(window, "&Auto")), QStringList{"&On"});
    QCOMPARE(Entries(TopMenu(window, "&Help")),
             (QStringList{"&About", "-", "&Help Contents", "&Understanding the Payoffs", "-",
                          "&Special Offer", "Secure &Online Orders", "&Catalog", "&Free CD!"}));
}

void MainWindowTest::checkMarksAfterStartUpFollowSettings_data() {
    QTest::addColumn<QString>("settings");
    // On, Coin, Credit, Lose, Spin, Stop, Win; Very Fast, Fast, Medium, Slow; Auto
    QTest::addColumn<QString>("marks");
    QTest::newRow("no settings file") << QString() << "1110011 1000 0";
    QTest::newRow("coin off, credit on, slow") << "sndCoins=0\nsndCredits=1\nSpeed=55\n"
                                               << "1010011 0001 0";
    QTest::newRow("everything off, medium")
        << "Sound=0\nsndCoins=0\nsndCredits=0\nsndStop=0\nsndWin=0\nSpeed=40\n"
        << "0000000 0010 0";
    QTest::newRow("all on, a speed of no menu item") << "sndLose=1\nsndSpin=1\nSpeed=100\n"
                                                     << "1111111 0000 0";
}

void MainWindowTest::checkMarksAfterStartUpFollowSettings() {
    QFETCH(QString, settings);
    QFETCH(QString, marks);
    if (!settings.isEmpty()) {
        QFile file(config_.filePath(QStringLiteral("KELVRY.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n" + settings.toLatin1());
    }
    TSlots window(programDir_);
    const MainMenu& m = window.Menu();
    QString actual;
    for (const QAction* a : {m.On1, m.CoinSound1, m.CreditSound1, m.LoseSound1, m.SpinSound1,
                             m.StopSound1, m.WinSound1}) {
        actual += a->isChecked() ? '1' : '0';
    }
    actual += ' ';
    for (const QAction* a : {m.VeryFast1, m.Fast1, m.Medium1, m.Slow1}) {
        actual += a->isChecked() ? '1' : '0';
    }
    actual += ' ';
    actual += m.On2->isChecked() ? '1' : '0';
    QCOMPARE(actual, marks);
}

void MainWindowTest::speedItemsCheckOnlyTheirOwn() {
    TSlots window(programDir_);
    const MainMenu& m = window.Menu();
    m.Slow1->trigger();
    QCOMPARE(window.State().Speed, 55);
    QVERIFY(m.Slow1->isChecked() && !m.VeryFast1->isChecked());
    m.Slow1->trigger(); // choosing the checked item again keeps it checked
    QVERIFY(m.Slow1->isChecked());
    m.Fast1->trigger();
    QCOMPARE(window.State().Speed, 25);
    QVERIFY(m.Fast1->isChecked() && !m.Slow1->isChecked() && !m.Medium1->isChecked());
}

void MainWindowTest::autoItemTogglesAutoSpin() {
    TSlots window(programDir_);
    window.Menu().On2->trigger();
    QVERIFY(window.State().AutoSpinOn);
    QVERIFY(window.Menu().On2->isChecked());
    QVERIFY(window.AutoSpin()->isActive());
    QCOMPARE(window.AutoSpin()->interval(), 500);
    QVERIFY(window.AutoSpin()->isSingleShot());
    window.Menu().On2->trigger();
    QVERIFY(!window.State().AutoSpinOn);
    QVERIFY(!window.Menu().On2->isChecked());
}

void MainWindowTest::spinWithoutBetShowsInformationBox() {
    TSlots window(programDir_);
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
    TSlots window(programDir_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ModalDriver driver;
    QTest::keyClick(&window, Qt::Key_Return);
    QTRY_COMPARE(driver.Texts(), QStringList{"Please place a bet before spinning!"});
}

void MainWindowTest::buttonsCarryCaptionsAndHints() {
    TSlots window(programDir_);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kelvory"));
    QCOMPARE(window.BetOneButton()->text(), QStringLiteral("Bet 1"));
    QCOMPARE(window.BetOneButton()->toolTip(), QStringLiteral("Bet one credit"));
    QCOMPARE(window.BetTwoButton()->text(), QStringLiteral("Bet 2"));
    QCOMPARE(window.BetTwoButton()->toolTip(), QStringLiteral("Bet two credits"));
    QCOMPARE(window.SpinButton()->text(), QStringLiteral("Spin"));
    QCOMPARE(window.SpinButton()->toolTip(), QStringLiteral("Spin the slot wheels"));
    QCOMPARE(window.FlashTime()->interval(), 300);
    QVERIFY(!window.FlashTime()->isActive());
}

void MainWindowTest::fullScreenComesAndGoesAndIsNotSaved_data() {
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QString>("saved");
    QTest::newRow("from the normal window") << false << "Maxed=0";
    QTest::newRow("from the maximised window") << true << "Maxed=1";
}

void MainWindowTest::fullScreenComesAndGoesAndIsNotSaved() {
    QFETCH(bool, maximised);
    QFETCH(QString, saved);
    TSlots window(programDir_);
    if (maximised) {
        window.showMaximized();
    } else {
        window.show();
    }
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* item = window.Menu().FullScreen1;
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(window.isFullScreen());
    QVERIFY(item->isChecked());
    QTest::keyClick(window.SpinButton(), Qt::Key_Escape);
    QVERIFY(!window.isFullScreen());
    QVERIFY(!item->isChecked());
    QCOMPARE(window.isMaximized(), maximised);
    item->trigger();
    QVERIFY(window.isFullScreen());
    // Closed in full screen: what is saved is the state underneath.
    QVERIFY(window.close());
    QFile file(config_.filePath(QStringLiteral("KELVRY.INI")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLatin1(file.readAll()).contains(saved));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
