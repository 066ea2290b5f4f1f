#include "SlotCanvas.h"
#include "TSlots.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kelvory;

namespace {
// Closes every modal box that comes up and keeps its text and caption.
class BoxCloser : public QObject {
  public:
    BoxCloser() {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                captions.append(box->windowTitle());
                icons.append(box->icon());
                box->accept();
            }
        });
        timer_.start();
    }
    QStringList texts;
    QStringList captions;
    QList<QMessageBox::Icon> icons;

  private:
    QTimer timer_;
};

QString RuntimeDir() {
    return qEnvironmentVariable("KELVORY_RUNTIME_DIR") + QLatin1Char('/');
}

enum class Artwork { Missing, Broken, Good };

// A program folder with kelvry1.bmp missing, broken or good.
void Prepare(const QTemporaryDir& dir, Artwork artwork) {
    const QString path = dir.filePath(QStringLiteral("kelvry1.bmp"));
    if (artwork == Artwork::Broken) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BM this is not a bitmap at all");
    } else if (artwork == Artwork::Good) {
        QVERIFY(QFile::copy(RuntimeDir() + "kelvry1.bmp", path));
    }
}
} // namespace

class ArtworkFailureTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void layoutPassReportsBadArtwork_data();
    void layoutPassReportsBadArtwork();
    void gamePlaysOnWithoutArtwork();

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
    SlotCanvas canvas(state, programDir);
    canvas.resize(632, 394);
    canvas.Button1->move(1, 2);
    BoxCloser closer;
    canvas.FormResize();
    if (message.isEmpty()) {
        QVERIFY(closer.texts.isEmpty());
        QCOMPARE(canvas.Button1->pos(), QPoint(383, 341));
        QVERIFY(!canvas.ReelImage(0).isNull());
        return;
    }
    QCOMPARE(closer.texts, QStringList{message.arg(programDir)});
    QCOMPARE(closer.captions, QStringList{"Kelvory"});
    QCOMPARE(closer.icons.value(0), QMessageBox::Critical);
    // The pass stopped: the buttons stay, the reel images have no size.
    QCOMPARE(canvas.Button1->pos(), QPoint(1, 2));
    QVERIFY(canvas.ReelImage(0).isNull());
    // Drawing the reels and painting still work, on the canvas of the new size.
    canvas.DrawReels({1, 2, 3});
    canvas.FormPaint();
    QCOMPARE(canvas.Canvas().size(), QSize(632, 394));
    QCOMPARE(canvas.Canvas().pixel(150, 29), qRgb(0, 255, 255));
}

void ArtworkFailureTest::gamePlaysOnWithoutArtwork() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    BoxCloser closer;
    TSlots window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(
        closer.texts.contains(QStringLiteral("Cannot open file %1/kelvry1.bmp.").arg(dir.path())));
    GameState& state = window.State();
    const double credits = state.Credits;
    window.BitBtn1Click();
    QCOMPARE(state.Credits, credits - 1);
    window.Button1Click(); // the whole spin and its payout
    QCOMPARE(state.Spins, 1);
    QVERIFY(!state.Spinning);
    QVERIFY(state.Credits >= credits - 1);
}

QTEST_MAIN(ArtworkFailureTest)
#include "ArtworkFailureTest.moc"
