// SPDX-License-Identifier: MIT
// A keyboard-only player on the real X display (run under xvfb-run): keys go
// through the X server by xdotool. Bets, spins and payouts, a borrow through
// the menu accelerator and the dialog's keys, the help and the About screen.
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/dialogs/InfoScreen.h"
#include "tests/support/RuntimeDir.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <vector>

using kelvory::HelpWindow;
using kelvory::InfoScreen;
using kelvory::MainWindow;
using kelvory::test::RuntimeDir;

namespace {

void Keys(const QStringList& keys) {
    QProcess::execute(QStringLiteral("xdotool"), QStringList{"key", "--delay", "60"} + keys);
}

void Focus(const QWidget* window) {
    QProcess::execute(QStringLiteral("xdotool"),
                      {"windowfocus", "--sync", QString::number(window->winId())});
}

// Keys that open modal windows run nested event loops, so the test's steps
// run from a timer: each step sends its keys once, then waits for its
// condition; a step may repeat its keys (for Tab) until the condition holds.
struct Step {
    QString what;
    std::function<void()> act;
    std::function<bool()> done;
    bool repeat = false;
};

class StepRunner : public QObject {
  public:
    explicit StepRunner(std::vector<Step> steps) : steps_(std::move(steps)) {
        connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
        timer_.start(200);
    }
    bool Finished() const { return next_ >= steps_.size(); }
    QString Current() const { return Finished() ? QString() : steps_[next_].what; }

  private:
    void Tick() {
        if (Finished()) {
            timer_.stop();
            return;
        }
        Step& step = steps_[next_];
        if (acted_ && step.done()) {
            ++next_;
            acted_ = false;
            tries_ = 0;
            return;
        }
        if (!acted_ || (step.repeat && tries_ < 12)) {
            acted_ = true;
            ++tries_;
            step.act();
        }
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool acted_ = false;
    int tries_ = 0;
    QTimer timer_;
};

QWidget* Modal(const char* objectName) {
    QWidget* modal = QApplication::activeModalWidget();
    return (modal != nullptr && modal->objectName() == QLatin1String(objectName)) ? modal : nullptr;
}

} // namespace

class KeyboardPlayTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;
    std::unique_ptr<MainWindow> window_;

    void TabTo(QWidget* target) {
        for (int i = 0; i < 8 && QApplication::focusWidget() != target; ++i) {
            Keys({"Tab"});
            QTest::qWait(150);
        }
        QCOMPARE(QApplication::focusWidget(), target);
    }

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {"version"}), 0);
    }

    void init() {
        window_ = std::make_unique<MainWindow>(RuntimeDir());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        Focus(window_.get());
        QTRY_VERIFY(window_->isActiveWindow());
    }

    void cleanup() { window_.reset(); }

    void betSpinAndPayoutByKeys() {
        kelvory::GameState& state = window_->State();
        const double start = state.Credits;
        // Bet 1 twice with Space: the second bet spins by itself.
        TabTo(window_->BetOneButton());
        Keys({"space"});
        QTRY_COMPARE(state.BetInPlay, std::uint8_t(1));
        QCOMPARE(state.Credits, start - 1);
        Keys({"space"});
        QTRY_VERIFY_WITH_TIMEOUT(state.Spins == 1 && !state.Spinning && state.BetInPlay == 0,
                                 120000);
        QCOMPARE(state.LastBet, std::uint8_t(2));
        QCOMPARE(state.Credits, start - 2 + state.WinAmount);
        QTRY_COMPARE(QApplication::focusWidget(), window_->SpinButton());

        // Enter spins again with the same stake.
        const double before = state.Credits;
        Keys({"Return"});
        QTRY_VERIFY_WITH_TIMEOUT(state.Spins == 2 && !state.Spinning && state.BetInPlay == 0,
                                 120000);
        QCOMPARE(state.Credits, before - 2 + state.WinAmount);
    }

    void borrowByKeys() {
        kelvory::GameState& state = window_->State();
        const double credits = state.Credits;
        const double borrowed = state.Borrowed;
        QPushButton* chip = nullptr;
        StepRunner runner({
            {"Alt+B opens the borrow dialog", [] { Keys({"alt+b"}); },
             [] { return Modal("BorrowDialog") != nullptr; }},
            {"Tab to the 1000 chip",
             [] {
                 Focus(Modal("BorrowDialog"));
                 Keys({"Tab"});
             },
             [&] {
                 chip =
                     Modal("BorrowDialog")->findChild<QPushButton*>(QStringLiteral("chip1Button"));
                 return chip != nullptr && QApplication::focusWidget() == chip;
             },
             true},
            {"Space borrows 1000", [] { Keys({"space"}); },
             [&] { return state.Credits == credits + 1000; }},
            {"F1 opens the help on borrowing", [] { Keys({"F1"}); },
             [&] {
                 auto* help = window_->findChild<HelpWindow*>();
                 return help != nullptr && help->isVisible() &&
                        help->windowModality() == Qt::ApplicationModal &&
                        help->Browser()->verticalScrollBar()->value() > 0;
             }},
            {"Escape closes the help",
             [&] {
                 Focus(window_->findChild<HelpWindow*>());
                 Keys({"Escape"});
             },
             [&] { return !window_->findChild<HelpWindow*>()->isVisible(); }},
            {"Alt+O closes the dialog with OK",
             [] {
                 Focus(Modal("BorrowDialog"));
                 Keys({"alt+o"});
             },
             [] { return QApplication::activeModalWidget() == nullptr; }},
        });
        QTRY_VERIFY2_WITH_TIMEOUT(runner.Finished(), qPrintable(runner.Current()), 30000);
        QCOMPARE(state.Credits, credits + 1000);
        QCOMPARE(state.Borrowed, borrowed + 1000);
    }

    void helpAndAboutByKeys() {
        // Alt+H, H: Help Contents.
        Keys({"alt+h", "h"});
        QTRY_VERIFY(window_->findChild<HelpWindow*>() != nullptr &&
                    window_->findChild<HelpWindow*>()->isVisible());
        HelpWindow* help = window_->findChild<HelpWindow*>();
        // At the contents: the top of the document, above the first section.
        QVERIFY(help->Browser()->verticalScrollBar()->value() < 20);
        Focus(help);
        Keys({"Escape"});
        QTRY_VERIFY(!help->isVisible());

        // Alt+H, A: About, closed by Enter.
        Focus(window_.get());
        QTRY_VERIFY(window_->isActiveWindow());
        QString caption;
        StepRunner runner({
            {"Alt+H, A opens About",
             [] {
                 Keys({"alt+h", "a"});
             },
             [&] {
                 auto* screen = qobject_cast<InfoScreen*>(QApplication::activeModalWidget());
                 if (screen != nullptr) {
                     caption = screen->windowTitle();
                 }
                 return screen != nullptr;
             }},
            {"Enter closes About",
             [] {
                 Focus(QApplication::activeModalWidget());
                 Keys({"Return"});
             },
             [] { return QApplication::activeModalWidget() == nullptr; }},
        });
        QTRY_VERIFY2_WITH_TIMEOUT(runner.Finished(), qPrintable(runner.Current()), 20000);
        QCOMPARE(caption, QStringLiteral("About Kelvory"));
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"
