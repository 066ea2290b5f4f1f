// SPDX-License-Identifier: MIT
// The titles the desktop shows (the X server's _NET_WM_NAME, run under
// xvfb-run) for the main window, the message boxes and every dialog: exactly
// their captions, with nothing appended. The application is set up as the
// program's main() does.
#include "app/ApplicationIdentity.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/dialogs/ErrorBox.h"
#include "tests/support/RuntimeDir.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using kelvory::MainWindow;
using kelvory::test::RuntimeDir;
using Opener = std::function<void(MainWindow&)>;
Q_DECLARE_METATYPE(Opener)

namespace {

QString DesktopTitle(const QWidget* window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {"-id", QString::number(window->winId()), "-notype", "_NET_WM_NAME"});
    xprop.waitForFinished();
    // _NET_WM_NAME = "Title"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = line.indexOf(QLatin1Char('"'));
    return quote < 0 ? line : line.mid(quote + 1).chopped(1);
}

} // namespace

class WindowTitlesTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;
    std::unique_ptr<MainWindow> window_;

  private slots:
    void initTestCase() {
        kelvory::ApplicationIdentity::Apply();
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        window_ = std::make_unique<MainWindow>(RuntimeDir());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanupTestCase() { window_.reset(); }

    void mainWindow() { QCOMPARE(DesktopTitle(window_.get()), QStringLiteral("Kelvory")); }

    void modalWindow_data() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("title");
        const auto menu = [](QAction* kelvory::MainMenu::*item) {
            return Opener([item](MainWindow& w) { (w.Menu().*item)->trigger(); });
        };
        using M = kelvory::MainMenu;
        QTest::newRow("information box")
            << Opener([](MainWindow& w) { w.Spin(); }) << "Information";
        QTest::newRow("error box") << Opener([](MainWindow& w) {
            kelvory::ErrorBox::Show(&w, QStringLiteral("Unable to write to /x/KELVRY.INI"));
        }) << "Kelvory";
        QTest::newRow("open a game") << menu(&M::OpenGameItem) << "Open a Game -- Select Game Slot";
        QTest::newRow("save a game") << menu(&M::SaveGameItem) << "Save a Game -- Select Game Slot";
        QTest::newRow("borrow") << menu(&M::BorrowItem)
                                << "Use this form to borrow or pay back credits";
        QTest::newRow("change sounds") << menu(&M::ChangeSoundsItem) << "Change Sounds (WAV Files)";
        QTest::newRow("about") << menu(&M::AboutItem) << "About Kelvory";
        QTest::newRow("special offer") << menu(&M::SpecialOfferItem) << "Special Offer";
        QTest::newRow("secure online orders")
            << menu(&M::SecureOnlineOrdersItem) << "Secure Online Orders";
        QTest::newRow("catalog") << menu(&M::CatalogItem) << "Catalog";
        QTest::newRow("free cd") << menu(&M::FreeCdItem) << "Free CD!";
    }

    // Each of these runs modally: its title is read from a timer inside its
    // event loop, then it is closed.
    void modalWindow() {
        QFETCH(Opener, open);
        QFETCH(QString, title);
        QString seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible() || !seen.isEmpty()) {
                return;
            }
            if (!QTest::qWaitForWindowExposed(modal)) {
                return;
            }
            seen = DesktopTitle(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        });
        poll.start(100);
        open(*window_);
        poll.stop();
        QCOMPARE(seen, title);
    }

    void helpWindow() {
        window_->Menu().HelpContentsItem->trigger();
        auto* help = window_->findChild<kelvory::HelpWindow*>();
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(DesktopTitle(help), QStringLiteral("Kelvory Help"));
        help->close();
    }
};

QTEST_MAIN(WindowTitlesTest)
#include "WindowTitlesTest.moc"
