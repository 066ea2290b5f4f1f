// SPDX-License-Identifier: MIT
// Keyboard use of the main window without a display: every menu caption's
// accelerator is unique within its menu, Enter presses the right button, and
// the buttons carry accessible names.
#include "app/MainWindow.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"

#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using kelvory::MainWindow;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

namespace {
QChar Mnemonic(const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return (at >= 0 && at + 1 < caption.size()) ? caption.at(at + 1).toLower() : QChar();
}
} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

    void acceleratorsAreUniqueInEachMenu() {
        MainWindow window(RuntimeDir());
        QList<QList<QAction*>> menus{window.menuBar()->actions()};
        for (QAction* top : window.menuBar()->actions()) {
            if (top->menu() != nullptr) {
                menus << top->menu()->actions();
                for (QAction* item : top->menu()->actions()) {
                    if (item->menu() != nullptr) {
                        menus << item->menu()->actions();
                    }
                }
            }
        }
        for (const QList<QAction*>& actions : menus) {
            QSet<QChar> seen;
            for (const QAction* action : actions) {
                const QChar key = Mnemonic(action->text());
                if (key.isNull()) {
                    continue;
                }
                QVERIFY2(!seen.contains(key), qPrintable(action->text()));
                seen.insert(key);
            }
        }
        // Every top-level item has one.
        for (const QAction* top : window.menuBar()->actions()) {
            QVERIFY2(!Mnemonic(top->text()).isNull(), qPrintable(top->text()));
        }
    }

    void buttonsCarryAccessibleNames_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("Bet 1") << 0 << "Bet 1"
                               << "Bet one credit";
        QTest::newRow("Bet 2") << 1 << "Bet 2"
                               << "Bet two credits";
        QTest::newRow("Spin") << 2 << "Spin"
                              << "Spin the slot wheels";
    }
    void buttonsCarryAccessibleNames() {
        QFETCH(int, button);
        QFETCH(QString, name);
        QFETCH(QString, description);
        MainWindow window(RuntimeDir());
        QPushButton* buttons[] = {window.BetOneButton(), window.BetTwoButton(),
                                  window.SpinButton()};
        QCOMPARE(buttons[button]->text(), name);
        QCOMPARE(buttons[button]->accessibleName(), name);
        QCOMPARE(buttons[button]->accessibleDescription(), description);
        QCOMPARE(buttons[button]->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    }

    void enterPressesTheRightButton_data() {
        QTest::addColumn<int>("focused"); // -1: no button
        QTest::addColumn<int>("pressed");
        QTest::newRow("no button focused: Spin") << -1 << 2;
        QTest::newRow("Spin focused") << 2 << 2;
        QTest::newRow("Bet 1 focused") << 0 << 0;
    }
    void enterPressesTheRightButton() {
        QFETCH(int, focused);
        QFETCH(int, pressed);
        MainWindow window(RuntimeDir());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A stake of 2 would spin: start with no credits so that nothing runs.
        window.State().Credits = 0;
        QPushButton* buttons[] = {window.BetOneButton(), window.BetTwoButton(),
                                  window.SpinButton()};
        if (focused >= 0) {
            buttons[focused]->setFocus();
        } else {
            window.setFocus();
        }
        QSignalSpy spy(buttons[pressed], &QPushButton::clicked);
        // Closes the "place a bet" message of a refused spin.
        ModalDriver driver(ModalDriver::Others::Close);
        QTest::keyClick(&window, Qt::Key_Return);
        QTRY_COMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
