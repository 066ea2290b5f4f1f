// SPDX-License-Identifier: MIT
// The information screens of the Help menu: each menu item opens its own
// modal screen with a picture and text of the program's own, and OK or Escape
// brings the player back.
#include "app/dialogs/InfoScreen.h"
#include "app/MainWindow.h"
#include "app/dialogs/InfoPicture.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using kelvory::InfoPicture;
using kelvory::InfoScreen;
using kelvory::MainWindow;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

class InfoScreenTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;

    static void AddScreens() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("caption");
        QTest::newRow("About") << "AboutItem" << 0 << "About Kelvory";
        QTest::newRow("Special Offer") << "SpecialOfferItem" << 1 << "Special Offer";
        QTest::newRow("Secure Online Orders")
            << "SecureOnlineOrdersItem" << 2 << "Secure Online Orders";
        QTest::newRow("Catalog") << "CatalogItem" << 3 << "Catalog";
        QTest::newRow("Free CD") << "FreeCdItem" << 4 << "Free CD!";
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

    void menuItemOpensItsModalScreen_data() { AddScreens(); }
    void menuItemOpensItsModalScreen() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        MainWindow window(RuntimeDir());
        window.show();
        ModalDriver driver(ModalDriver::Others::Close);
        driver.AnswerNext<InfoScreen>([](InfoScreen* screen) { screen->reject(); });
        const QMap<QString, QAction*> items{
            {"AboutItem", window.Menu().AboutItem},
            {"SpecialOfferItem", window.Menu().SpecialOfferItem},
            {"SecureOnlineOrdersItem", window.Menu().SecureOnlineOrdersItem},
            {"CatalogItem", window.Menu().CatalogItem},
            {"FreeCdItem", window.Menu().FreeCdItem}};
        items.value(item)->trigger();
        QCOMPARE(driver.Captions(), QStringList{caption});
        QCOMPARE(driver.Waiting(), 0); // the window was an information screen
    }

    void screenShowsPictureAndText_data() { AddScreens(); }
    void screenShowsPictureAndText() {
        QFETCH(int, screen);
        InfoScreen dialog(screen);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.HeadingLabel()->text().isEmpty());
        QVERIFY(dialog.BodyLabel()->text().size() > 100);
        QVERIFY(!dialog.BodyLabel()->text().contains(QStringLiteral("http")));
        // The picture is drawn: many colours, not an empty square.
        const QImage picture = dialog.Picture()->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 2) {
            for (int x = 0; x < picture.width(); x += 2) {
                colours.insert(picture.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
        QVERIFY(!dialog.Picture()->accessibleName().isEmpty());
        QVERIFY(!dialog.OkButton()->accessibleName().isEmpty());
        QVERIFY(!dialog.BodyLabel()->accessibleName().isEmpty());
    }

    void eachScreenHasItsOwnPicture() {
        QSet<int> kinds;
        for (int screen = 0; screen < InfoScreen::kScreenCount; ++screen) {
            kinds.insert(InfoScreen(screen).Picture()->PictureKind());
        }
        QCOMPARE(kinds.size(), InfoScreen::kScreenCount);
    }

    void aboutNamesVersionAndLicence() {
        InfoScreen about(InfoScreen::About);
        QCOMPARE(about.HeadingLabel()->text(), QStringLiteral("Kelvory 1.0.0"));
        QVERIFY(about.BodyLabel()->text().contains(QStringLiteral("Version 1.0.0")));
        QVERIFY(about.BodyLabel()->text().contains(QStringLiteral("MIT licence")));
    }

    void closingKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Space on OK") << int(Qt::Key_Space) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void closingKeys() {
        QFETCH(int, key);
        QFETCH(int, result);
        InfoScreen dialog(InfoScreen::Catalog);
        int got = -1;
        // OK holds the keyboard focus when the screen opens.
        QWidget* focused = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            focused = dialog.focusWidget();
            QTest::keyClick(focused != nullptr ? focused : &dialog, Qt::Key(key));
        });
        // A key that fails to close the screen must not hang the test.
        QTimer::singleShot(5000, &dialog, [&] { dialog.done(-2); });
        got = dialog.exec();
        QCOMPARE(focused, dialog.OkButton());
        QCOMPARE(got, result);
    }
};

QTEST_MAIN(InfoScreenTest)
#include "InfoScreenTest.moc"
