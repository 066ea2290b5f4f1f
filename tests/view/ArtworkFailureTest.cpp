// SPDX-License-Identifier: MIT
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"
#include "view/SlotCanvas.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QTextBrowser>
#include <QTimer>
#include <cmath>

#include <filesystem>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

namespace {
enum class Artwork { Missing, Broken, Good };

// A program folder with an artwork file missing, broken or good.
void Prepare(const QTemporaryDir& dir, Artwork artwork,
             const QString& name = QStringLiteral("kelvry1.bmp")) {
    const QString path = dir.filePath(name);
    if (artwork == Artwork::Broken) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BM this is not a bitmap at all");
    } else if (artwork == Artwork::Good) {
        QVERIFY(QFile::copy(RuntimeDir() + name, path));
    }
}
} // namespace

class ArtworkFailureTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void layoutPassReportsBadArtwork_data();
    void layoutPassReportsBadArtwork();
    void failedLoadLeavesTheButtonsOnScreen_data();
    void failedLoadLeavesTheButtonsOnScreen();
    void gamePlaysOnWithoutArtwork();
    void nonUtf8ProgramFolderLoadsArtworkAndHelp();

  private:
    QTemporaryDir home_;
};

void ArtworkFailureTest::initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
}

void ArtworkFailureTest::layoutPassReportsBadArtwork_data() {
    QTest::addColumn<int>("artwork");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << int(Artwork::Missing) << "Cannot open file %1kelvry1.bmp.";
    QTest::newRow("not a bitmap") << int(Artwork::Broken) << "Bitmap image is not valid.";
    QTest::newRow("good file") << int(Artwork::Good) << "";
}

void ArtworkFailureTest::layoutPassReportsBadArtwork() {
    QFETCH(int, artwork);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Prepare(dir, static_cast<Artwork>(artwork));
    const QString programDir = dir.path() + QLatin1Char('/');
    GameState state;
    SlotCanvas canvas(state, QFile::encodeName(programDir).toStdString());
    canvas.resize(632, 394);
    canvas.SpinButton()->move(1, 2);
    QSignalSpy failures(&canvas, &SlotCanvas::artworkFailed);
    canvas.LayOut();
    // The buttons are placed whatever the artwork; the report comes only
    // after the pass, never from inside it.
    QCOMPARE(canvas.SpinButton()->pos(), QPoint(383, 341));
    QCOMPARE(failures.size(), 0);
    if (message.isEmpty()) {
        QTest::qWait(50);
        QCOMPARE(failures.size(), 0);
        QVERIFY(!canvas.ReelImage(0).isNull());
        return;
    }
    QTRY_COMPARE(failures.size(), 1);
    QCOMPARE(failures[0][0].toString() + QLatin1Char('.'), message.arg(programDir));
    // The pass stopped: the reel images have no size.
    QVERIFY(canvas.ReelImage(0).isNull());
    // Drawing the reels and painting still work, on the canvas of the new size.
    canvas.DrawReels({1, 2, 3});
    canvas.RepaintAll();
    QCOMPARE(canvas.Canvas().size(), QSize(632, 394));
    QCOMPARE(canvas.Canvas().pixel(150, 29), qRgb(0, 255, 255));
}

void ArtworkFailureTest::failedLoadLeavesTheButtonsOnScreen_data() {
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<QString>("missing");
    QTest::newRow("maximised on 800 x 600 without kelvry2.bmp")
        << QSize(632, 394) << QSize(800, 560) << "kelvry2.bmp";
    QTest::newRow("restored without kelvry1.bmp")
        << QSize(1018, 700) << QSize(632, 394) << "kelvry1.bmp";
    QTest::newRow("full screen without kelvry3.bmp")
        << QSize(632, 394) << QSize(1920, 1080) << "kelvry3.bmp";
}

void ArtworkFailureTest::failedLoadLeavesTheButtonsOnScreen() {
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(QString, missing);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"kelvry1.bmp", "kelvry2.bmp", "kelvry3.bmp"}) {
        if (missing != QLatin1String(name)) {
            Prepare(dir, Artwork::Good, QLatin1String(name));
        }
    }
    GameState state;
    SlotCanvas canvas(state, QFile::encodeName(dir.path()).toStdString());
    canvas.resize(from);
    canvas.LayOut();
    QSignalSpy failures(&canvas, &SlotCanvas::artworkFailed);
    canvas.resize(to);
    canvas.LayOut();
    QTRY_COMPARE(failures.size(), 1);
    const QRect client(QPoint(0, 0), to);
    // The panel and its frame, in the client area (scaled on a large one).
    const double scale = canvas.Scale();
    const QRect framed(canvas.ReelLeft() - 21, canvas.TopMargin() - 11, 3 * canvas.CellSize() + 62,
                       3 * canvas.CellSize() + 22);
    const QRect panel =
        QRectF(canvas.Offset() + QPointF(framed.topLeft()) * scale, QSizeF(framed.size()) * scale)
            .toAlignedRect();
    const QList<QPushButton*> buttons{canvas.BetOneButton(), canvas.BetTwoButton(),
                                      canvas.SpinButton()};
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const QRect button = buttons[i]->geometry();
        QVERIFY(client.contains(button));
        QVERIFY(!button.intersects(panel));
        QVERIFY(std::abs(button.width() - canvas.Layout().ButtonWidth() * scale) <= 1);
        if (i > 0) {
            QVERIFY(!button.intersects(buttons[i - 1]->geometry()));
        }
    }
}

void ArtworkFailureTest::gamePlaysOnWithoutArtwork() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ModalDriver driver;
    MainWindow window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(driver.Texts().contains(
        QStringLiteral("Cannot open file %1/kelvry1.bmp.").arg(dir.path())));
    QCOMPARE(driver.Captions().first(), "Kelvory");
    QCOMPARE(driver.windows.first().icon, QMessageBox::Critical);
    GameState& state = window.State();
    const double credits = state.Credits;
    window.BetOne();
    QCOMPARE(state.Credits, credits - 1);
    window.Spin(); // the whole spin and its payout
    QCOMPARE(state.Spins, 1);
    QVERIFY(!state.Spinning);
    QVERIFY(state.Credits >= credits - 1);
}

void ArtworkFailureTest::nonUtf8ProgramFolderLoadsArtworkAndHelp() {
    // "latén" in Latin-1: byte 0xE9 is not valid UTF-8, so the name does not
    // survive a QString.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string folder = QFile::encodeName(dir.path()).toStdString() + "/lat\xe9n/";
    QVERIFY(std::filesystem::create_directory(folder));
    for (const char* name : {"kelvry1.bmp", "kelvory-help.html"}) {
        QVERIFY(std::filesystem::copy_file(test::RuntimeDirBytes() + name, folder + name));
    }
    GameState state;
    SlotCanvas canvas(state, folder);
    QSignalSpy failures(&canvas, &SlotCanvas::artworkFailed);
    canvas.resize(632, 394);
    canvas.LayOut();
    QVERIFY(!canvas.ReelImage(0).isNull());
    HelpWindow help(folder + "kelvory-help.html");
    QVERIFY(help.ShowContext(HelpContext::Contents));
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Kelvory Help")));
    QCOMPARE(failures.size(), 0);
}

QTEST_MAIN(ArtworkFailureTest)
#include "ArtworkFailureTest.moc"
