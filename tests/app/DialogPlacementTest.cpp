// SPDX-License-Identifier: MIT
// Where the program's dialogs and windows appear: each dialog of the main
// window is transient for it, which is how a Wayland compositor knows to place
// it over the game; windows are moved only where the platform allows it.
#include "app/MainWindow.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"
#include "view/WindowPlacement.h"

#include <QDialog>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

class DialogPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void dialogsAreTransientForTheMainWindow_data();
    void dialogsAreTransientForTheMainWindow();
    void placedOverParentWithoutQtParent();
    void windowsAreMovedOnlyWherePlatformAllows_data();
    void windowsAreMovedOnlyWherePlatformAllows();

  private:
    QTemporaryDir config_;
};

void DialogPlacementTest::init() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
}

void DialogPlacementTest::dialogsAreTransientForTheMainWindow_data() {
    QTest::addColumn<int>("item");
    QTest::newRow("borrow") << 0;
    QTest::newRow("open a game") << 1;
    QTest::newRow("save a game") << 2;
    QTest::newRow("change sounds") << 3;
    QTest::newRow("about") << 4;
}

void DialogPlacementTest::dialogsAreTransientForTheMainWindow() {
    QFETCH(int, item);
    MainWindow window(RuntimeDir());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const MainMenu& menu = window.Menu();
    QAction* const items[] = {menu.BorrowItem, menu.OpenGameItem, menu.SaveGameItem,
                              menu.ChangeSoundsItem, menu.AboutItem};
    ModalDriver driver(ModalDriver::Others::Leave);
    const QWindow* transientParent = nullptr;
    bool answered = false;
    driver.AnswerNext<QDialog>([&](QDialog* dialog) {
        transientParent = dialog->windowHandle()->transientParent();
        answered = true;
        dialog->reject();
    });
    items[item]->trigger();
    QVERIFY(answered);
    QCOMPARE(transientParent, window.windowHandle());
}

void DialogPlacementTest::placedOverParentWithoutQtParent() {
    QWidget parent;
    parent.setGeometry(100, 120, 600, 400);
    parent.show();
    QWidget window; // a top-level window of its own, not a Qt child
    window.resize(200, 100);
    WindowPlacement::PlaceOverParent(&window, &parent);
    QCOMPARE(window.windowHandle()->transientParent(), parent.windowHandle());
    QCOMPARE(window.frameGeometry().center(), parent.frameGeometry().center());
}

void DialogPlacementTest::windowsAreMovedOnlyWherePlatformAllows_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("canPlace");
    QTest::newRow("X11") << "xcb" << true;
    QTest::newRow("Wayland") << "wayland" << false;
    QTest::newRow("Wayland with EGL") << "wayland-egl" << false;
}

void DialogPlacementTest::windowsAreMovedOnlyWherePlatformAllows() {
    QFETCH(QString, platform);
    QFETCH(bool, canPlace);
    QCOMPARE(WindowPlacement::CanPlaceWindowsOn(platform), canPlace);
}

QTEST_MAIN(DialogPlacementTest)
#include "DialogPlacementTest.moc"
