// SPDX-License-Identifier: MIT
// The statistics in the main window: the menu keys, the statistics window
// with its figures and chart, and counters that outlast a close.
#include "app/StatisticsWindow.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/NetResultChart.h"
#include "game/NetDistribution.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"

#include <QAccessible>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <cmath>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

namespace {

// One loss with one credit, a win of 2 with one credit, a win of 200 with two.
void PlayScriptedGame(PlayerStatistics& stats) {
    stats.RecordSpin(1, 0, 0, 0);
    stats.RecordSpin(1, 2, 6, 0);
    stats.RecordSpin(2, 200, 2, 0);
}

bool NearColor(const QImage& image, QPointF at, const QColor& wanted, int radius) {
    for (int dx = -radius; dx <= radius; ++dx) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const QPoint p = at.toPoint() + QPoint(dx, dy);
            if (!image.rect().contains(p)) {
                continue;
            }
            const QColor c = image.pixelColor(p);
            if (std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) +
                    std::abs(c.blue() - wanted.blue()) <
                30) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;
    QString programDir_ = RuntimeDir();

  private slots:
    void init() {
        QVERIFY(config_.isValid());
        QFile::remove(config_.filePath(QStringLiteral("KELVRY.INI")));
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void menuKeysTriggerTheirItems_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("triggers");
        QTest::newRow("Ctrl+N new") << "&New" << QKeySequence("Ctrl+N") << true;
        QTest::newRow("Ctrl+O open") << "&Open" << QKeySequence("Ctrl+O") << true;
        QTest::newRow("Ctrl+S save") << "&Save" << QKeySequence("Ctrl+S") << true;
        QTest::newRow("Ctrl+T statistics") << "S&tatistics..." << QKeySequence("Ctrl+T") << true;
        QTest::newRow("Ctrl+Q exit") << "E&xit" << QKeySequence("Ctrl+Q") << true;
        // Shown beside the item; in the main window F1 keeps its own context.
        QTest::newRow("F1 help contents") << "&Help Contents" << QKeySequence(Qt::Key_F1) << false;
    }
    void menuKeysTriggerTheirItems() {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, triggers);
        MainWindow window(programDir_);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAction* action = nullptr;
        for (QMenu* menu : {window.Menu().FileMenu, window.Menu().HelpMenu}) {
            for (QAction* a : menu->actions()) {
                action = a->text() == item ? a : action;
            }
        }
        QVERIFY(action != nullptr);
        QCOMPARE(action->shortcut(), keys);
        QSignalSpy spy(action, &QAction::triggered);
        ModalDriver closer(ModalDriver::Others::Close);
        QTest::keySequence(&window, keys);
        QCOMPARE(spy.count(), triggers ? 1 : 0);
    }

    void statisticsOpen_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("from the File menu") << false;
        QTest::newRow("with Ctrl+T") << true;
    }
    void statisticsOpen() {
        QFETCH(bool, byKey);
        MainWindow window(programDir_);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (int time = 0; time < 2; ++time) {
            if (byKey) {
                QTest::keySequence(&window, QKeySequence("Ctrl+T"));
            } else {
                window.Menu().StatisticsItem->trigger();
            }
        }
        QVERIFY(window.StatisticsView() != nullptr);
        QVERIFY(window.StatisticsView()->isVisible());
        QCOMPARE(window.findChildren<StatisticsWindow*>().size(), 1);
        QCOMPARE(window.StatisticsView()->windowTitle(), QStringLiteral("Kelvory Statistics"));

        // F1 there opens the help about the statistics.
        QVERIFY(QTest::qWaitForWindowActive(window.StatisticsView()));
        QTest::keyClick(window.StatisticsView(), Qt::Key_F1);
        auto* help = window.findChild<HelpWindow*>();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(help->Browser()->source().fragment(), QStringLiteral("ctx41010"));
    }

    void opensOverTheMainWindow() {
        MainWindow window(programDir_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.ShowStatistics();
        StatisticsWindow* view = window.StatisticsView();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(view->windowHandle()->transientParent() == window.windowHandle());
        QVERIFY(std::abs(view->geometry().center().x() - window.geometry().center().x()) <= 10);
    }

    void returnPressesClose_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("focus in the figures") << "Figures";
        QTest::newRow("focus on Help") << "&Help";
    }
    void returnPressesClose() {
        QFETCH(QString, focus);
        PlayerStatistics statistics;
        int helpShown = 0;
        StatisticsWindow view(statistics, [&](HelpContext) { ++helpShown; });
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QWidget* focused = nullptr;
        for (QWidget* widget : view.findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QPushButton*>(widget);
            if ((button != nullptr ? button->text() : widget->accessibleName()) == focus) {
                focused = widget;
            }
        }
        QVERIFY(focused != nullptr);
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Return);
        QVERIFY(!view.isVisible());
        QCOMPARE(helpShown, 0);
    }

    void figuresAreReadWithTheirHeaders_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("rowHeader");
        QTest::addColumn<QString>("columnHeader");
        QTest::newRow("spins of this game") << 0 << 0 << "Spins"
                                            << "Spins"
                                            << "This game";
        QTest::newRow("hit rate of the odds") << 5 << 1 << "HitRate"
                                              << "Hit rate"
                                              << "The odds";
        QTest::newRow("last pay row of all games") << 17 << 2 << "Row 8"
                                                   << "8. Clovers on one or two reels"
                                                   << "All games";
    }
    void figuresAreReadWithTheirHeaders() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, figure);
        QFETCH(QString, rowHeader);
        QFETCH(QString, columnHeader);
        PlayerStatistics statistics;
        PlayScriptedGame(statistics);
        StatisticsWindow view(statistics, {});
        QCOMPARE(QAccessible::queryAccessibleInterface(&view)->role(), QAccessible::Dialog);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view.Figures());
        QVERIFY(table->tableInterface() != nullptr);
        QAccessibleTableCellInterface* cell =
            table->tableInterface()->cellAt(row, column)->tableCellInterface();
        // Qt makes each header cell anew and keeps no hold of it.
        const QList<QAccessibleInterface*> headers =
            cell->rowHeaderCells() + cell->columnHeaderCells();
        const auto headerNames = [&headers] {
            QStringList names;
            for (QAccessibleInterface* header : headers) {
                names << header->text(QAccessible::Name);
            }
            return names;
        }();
        for (QAccessibleInterface* header : headers) {
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
        }
        QCOMPARE(headerNames, QStringList({rowHeader, columnHeader}));
        const auto shown =
            static_cast<StatisticsWindow::Column>(StatisticsWindow::ThisGame + column);
        QCOMPARE(table->tableInterface()->cellAt(row, column)->text(QAccessible::Name),
                 view.Figure(figure, shown));
    }

    void spinOfTheWindowIsCounted() {
        MainWindow window(programDir_);
        window.State().Speed = 1;
        QTest::mouseClick(window.BetTwoButton(), Qt::LeftButton);
        const PlayTally& game = window.Statistics().Game();
        QCOMPARE(game.Spins, 1);
        QCOMPARE(game.Staked, 2);
        QCOMPARE(game.Paid, window.State().WinAmount);
        QCOMPARE(window.Statistics().AllTime(), game);
    }

    void windowFollowsTheGame() {
        MainWindow window(programDir_);
        window.ShowStatistics();
        StatisticsWindow* view = window.StatisticsView();
        PlayScriptedGame(window.Statistics());
        const QLocale locale = QLocale::system();
        const auto percent = [&](double f) {
            return locale.toString(100 * f, 'f', 2) + QLatin1Char(' ') + locale.percent();
        };
        const ParSheet& sheet = window.Statistics().Sheet();
        const double expectedReturn =
            (2 * sheet.ForStake(1).meanPay + sheet.ForStake(2).meanPay) / 4;
        QCOMPARE(view->Figure("Spins", StatisticsWindow::ThisGame), locale.toString(3));
        QCOMPARE(view->Figure("Paid", StatisticsWindow::ThisGame), locale.toString(202));
        QCOMPARE(view->Figure("Return", StatisticsWindow::ThisGame), percent(202.0 / 4));
        QCOMPARE(view->Figure("Return", StatisticsWindow::Odds), percent(expectedReturn));
        QCOMPARE(view->Figure("HitRate", StatisticsWindow::ThisGame), percent(2.0 / 3));
        QCOMPARE(view->Figure("HitRate", StatisticsWindow::Odds), percent(17717.0 / 64000));
        QCOMPARE(view->Figure("Volatility", StatisticsWindow::Odds),
                 locale.toString(sheet.ForStake(1).payStdDev, 'f', 2) + QStringLiteral(" - ") +
                     locale.toString(sheet.ForStake(2).payStdDev, 'f', 2));
        QCOMPARE(view->Figure("BiggestWin", StatisticsWindow::AllGames), locale.toString(200));
        QCOMPARE(view->Figure("Row 3", StatisticsWindow::ThisGame), locale.toString(1));
        QCOMPARE(view->Chart()->Track().size(), std::size_t{4});

        window.NewGame();
        QCOMPARE(view->Figure("Spins", StatisticsWindow::ThisGame), locale.toString(0));
        QCOMPARE(view->Figure("Spins", StatisticsWindow::AllGames), locale.toString(3));
        QCOMPARE(view->Chart()->Track().size(), std::size_t{1});
    }

    void openedGameStartsTheCurrentGameAfresh_data() {
        QTest::addColumn<bool>("chooseSlot");
        QTest::addColumn<int>("gameSpins");
        QTest::newRow("a slot opened") << true << 0;
        QTest::newRow("the dialog closed") << false << 3;
    }
    void openedGameStartsTheCurrentGameAfresh() {
        QFETCH(bool, chooseSlot);
        QFETCH(int, gameSpins);
        MainWindow window(programDir_);
        PlayScriptedGame(window.Statistics());
        ModalDriver driver(ModalDriver::Others::Leave);
        driver.AnswerNext<SavedGamesDialog>([chooseSlot](SavedGamesDialog* dialog) {
            if (chooseSlot) {
                dialog->SlotButtons[0]->click();
            } else {
                dialog->close();
            }
        });
        window.OpenSavedGame();
        QCOMPARE(driver.Waiting(), 0);
        QCOMPARE(window.Statistics().Game().Spins, gameSpins);
        QCOMPARE(window.Statistics().AllTime().Spins, 3);
    }

    void chartDrawsTheBandAndThePlayersLine() {
        PlayerStatistics stats;
        for (int spin = 0; spin < 40; ++spin) {
            stats.RecordSpin(2, 0, 0, 0);
        }
        NetResultChart chart(stats.Sheet());
        chart.resize(400, 240);
        chart.SetTrack(stats.Track());
        const QImage image = chart.grab().toImage();
        const NetResultChart::Band middle = chart.Bands()[20];
        QVERIFY(middle.high > middle.median && middle.median > middle.low);
        // Inside the band, between the median and the top.
        QVERIFY(NearColor(
            image, chart.MapToWidget(20, middle.median + 0.8 * (middle.high - middle.median)),
            NetResultChart::kBandColor, 0));
        // Outside it: early on the band is narrow.
        QVERIFY(!NearColor(image, chart.MapToWidget(2, 0.9 * chart.Bands().back().high),
                           NetResultChart::kBandColor, 0));
        for (const int spin : {5, 20, 35}) {
            const double net = stats.Track()[static_cast<std::size_t>(spin)].net;
            QVERIFY(
                NearColor(image, chart.MapToWidget(spin, net), NetResultChart::kPlayerColor, 1));
        }
        QVERIFY(!NearColor(image, chart.MapToWidget(20, middle.median),
                           NetResultChart::kPlayerColor, 1));
    }

    void bandIsTheExactRangeOfTheStakesPlayed() {
        PlayerStatistics stats;
        std::vector<std::int64_t> staked{0};
        for (int spin = 0; spin < 36; ++spin) {
            const int stake = spin % 3 == 0 ? 1 : 2;
            stats.RecordSpin(stake, spin == 7 ? 40 : 0, 4, 0);
            staked.push_back(staked.back() + stake);
        }
        NetResultChart chart(stats.Sheet());
        chart.SetTrack(stats.Track());
        QCOMPARE(chart.Bands().size(), stats.Track().size());
        for (std::size_t i = 0; i < stats.Track().size(); ++i) {
            const PlayerStatistics::TrackPoint& point = stats.Track()[i];
            const NetDistribution net =
                NetDistribution::After(stats.Sheet(), point.oneCreditSpins, point.twoCreditSpins);
            const NetResultChart::Band band = chart.Bands()[i];
            QCOMPARE(band.low, double(net.Quantile(0.05)));
            QCOMPARE(band.median, double(net.Quantile(0.5)));
            QCOMPARE(band.high, double(net.Quantile(0.95)));
            QVERIFY(band.low >= -double(staked[i]));
        }
    }

    void netAxisLabelsAreDistinct_data() {
        QTest::addColumn<int>("spins");
        QTest::addColumn<int>("height");
        QTest::newRow("a new game") << 0 << 260;
        QTest::newRow("a new game, a tall chart") << 0 << 900;
        QTest::newRow("a flat track at zero") << 20 << 900;
        QTest::newRow("a small chart") << 20 << 120;
    }
    void netAxisLabelsAreDistinct() {
        QFETCH(int, spins);
        QFETCH(int, height);
        PlayerStatistics stats;
        for (int spin = 0; spin < spins; ++spin) {
            stats.RecordSpin(1, 1, 7, 0); // each spin pays its stake back
        }
        NetResultChart chart(stats.Sheet());
        chart.resize(480, height);
        chart.SetTrack(stats.Track());
        QStringList labels = chart.NetAxisLabels();
        QVERIFY2(labels.size() >= 3, qPrintable(labels.join(' ')));
        QCOMPARE(labels.removeDuplicates(), 0);
        QVERIFY(labels.contains(QLocale::system().toString(0)));
    }

    void countersSurviveACloseAndAStart_data() {
        QTest::addColumn<int>("spinsAfterNew");
        QTest::addColumn<QByteArray>("saved"); // the start of the [Statistics] section
        QTest::newRow("spins after File > New")
            << 30 << QByteArray("Spins=33\nStaked=64\nPaid=322\n");
        QTest::newRow("a spin after File > New")
            << 1 << QByteArray("Spins=4\nStaked=6\nPaid=206\n");
        QTest::newRow("File > New, no spin") << 0 << QByteArray("Spins=3\nStaked=4\nPaid=202\n");
    }
    void countersSurviveACloseAndAStart() {
        QFETCH(int, spinsAfterNew);
        QFETCH(QByteArray, saved);
        PlayTally allTime;
        PlayTally game;
        std::vector<PlayerStatistics::TrackPoint> track;
        {
            MainWindow window(programDir_);
            PlayScriptedGame(window.Statistics());
            window.NewGame();
            for (int spin = 0; spin < spinsAfterNew; ++spin) {
                window.Statistics().RecordSpin(2, 4, 7, 0);
            }
            allTime = window.Statistics().AllTime();
            game = window.Statistics().Game();
            track = window.Statistics().Track();
            QVERIFY(window.close());
        }
        QCOMPARE(allTime.Spins, 3 + spinsAfterNew);
        QCOMPARE(game.Spins, spinsAfterNew);
        MainWindow window(programDir_);
        QCOMPARE(window.Statistics().AllTime(), allTime);
        QCOMPARE(window.Statistics().Game(), game);
        QCOMPARE(window.Statistics().Track(), track);
        QFile file(config_.filePath(QStringLiteral("KELVRY.INI")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Settings]\nCredits=1000.00\n"));
        QVERIFY(text.contains("\n[Statistics]\n" + saved));
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
