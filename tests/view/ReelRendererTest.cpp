// SPDX-License-Identifier: MIT
#include "view/ReelRenderer.h"
#include "game/Reels.h"

#include <QTest>

namespace ReelRenderer = kelvory::ReelRenderer;
namespace Reels = kelvory::Reels;

namespace {
// A sheet whose pixels tell which tile and which tile row they come from.
QRgb Marker(int code, int tileRow) {
    return qRgb(30 * code + 10, tileRow, 77);
}

QImage MarkedSheet(int c) {
    QImage sheet(3 * c, 3 * c, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int code : {0, 1, 2, 3, 4, 8}) {
        const QPoint origin = ReelRenderer::TileOrigin(code, c);
        for (int y = 0; y < c; ++y) {
            for (int x = 0; x < c; ++x) {
                sheet.setPixel(origin.x() + x, origin.y() + y, Marker(code, y));
            }
        }
    }
    return sheet;
}

// What row y of a reel at a position shows: the strip cell and its tile row;
// cell -1 for a row no tile covers.
std::pair<int, int> Expected(int c, int position, int y) {
    const int k = position / 2;
    if (position % 2 == 0) {
        return {k + y / c, y % c};
    }
    const int h = c / 2;
    if (y < h) {
        return {k, y + h};
    }
    if (y >= 3 * c - 1) {
        return {-1, 0};
    }
    return {k + 1 + (y - h) / c, (y - h) % c};
}
} // namespace

class ReelRendererTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsTheCellsOfAPosition_data();
    void drawsTheCellsOfAPosition();
    void startPositionsShowTheirPaylineSymbols_data();
    void startPositionsShowTheirPaylineSymbols();
    void copiesAreClippedToBothImages_data();
    void copiesAreClippedToBothImages();
    void nullImagesAreLeftAlone();
};

void ReelRendererTest::drawsTheCellsOfAPosition_data() {
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<int>("reel");
    QTest::addColumn<int>("position");
    for (int c : {96, 128, 192}) {
        const QByteArray size = QByteArray::number(c);
        QTest::newRow(size + " position 0: cells 0, 1, 2") << c << 0 << 0;
        QTest::newRow(size + " position 78: cells 39, 0, 1") << c << 0 << 78;
        QTest::newRow(size + " position 79: half of 39, 0, 1, part of 2") << c << 0 << 79;
        QTest::newRow(size + " position 1: half a cell on") << c << 1 << 1;
        QTest::newRow(size + " start position reel 2") << c << 1 << 20;
        QTest::newRow(size + " start position reel 3") << c << 2 << 52;
    }
}

void ReelRendererTest::drawsTheCellsOfAPosition() {
    QFETCH(int, cellSize);
    QFETCH(int, reel);
    QFETCH(int, position);
    const int c = cellSize;
    const QImage sheet = MarkedSheet(c);
    QImage image(c, 3 * c, QImage::Format_RGB32);
    const QRgb untouched = qRgb(1, 2, 3);
    image.fill(untouched);
    ReelRenderer::DrawReel(image, sheet, c, Reels::kStrips[reel], position);
    const int payline = c + c / 2;
    for (int y = 0; y < 3 * c; ++y) {
        const auto [cell, tileRow] = Expected(c, position, y);
        const QRgb want = y == payline ? qRgb(255, 0, 0)
                          : cell < 0   ? untouched
                                       : Marker(Reels::CellAt(reel, cell), tileRow);
        for (int x : {0, c / 2, c - 2}) {
            if (image.pixel(x, y) != want) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, want %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(image.pixel(x, y), 0, 16)
                                     .arg(want, 0, 16)));
            }
        }
        // The right column is never shown and never drawn.
        QCOMPARE(image.pixel(c - 1, y), untouched);
    }
}

void ReelRendererTest::startPositionsShowTheirPaylineSymbols_data() {
    QTest::addColumn<int>("reel");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("code");
    QTest::newRow("reel 1 at 8: cell 5, a clover") << 0 << 8 << 0;
    QTest::newRow("reel 2 at 20: cell 11, a seven") << 1 << 20 << 1;
    QTest::newRow("reel 3 at 52: cell 27, a clover") << 2 << 52 << 0;
    QTest::newRow("reel 1 at 10: k odd, a blank on the payline") << 0 << 10 << 8;
}

void ReelRendererTest::startPositionsShowTheirPaylineSymbols() {
    QFETCH(int, reel);
    QFETCH(int, position);
    QFETCH(int, code);
    const int c = 96;
    QImage image(c, 3 * c, QImage::Format_RGB32);
    ReelRenderer::DrawReel(image, MarkedSheet(c), c, Reels::kStrips[reel], position);
    QCOMPARE(image.pixel(10, c + 5), Marker(code, 5));
}

void ReelRendererTest::copiesAreClippedToBothImages_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QRect>("changed");
    QTest::newRow("inside") << QPoint(2, 3) << QRect(0, 0, 4, 4) << QRect(2, 3, 4, 4);
    QTest::newRow("over the target's right edge")
        << QPoint(8, 0) << QRect(0, 0, 4, 4) << QRect(8, 0, 2, 4);
    QTest::newRow("left of the target") << QPoint(-2, 0) << QRect(0, 0, 4, 4) << QRect(0, 0, 2, 4);
    QTest::newRow("beyond the source") << QPoint(0, 0) << QRect(6, 6, 8, 8) << QRect(0, 0, 2, 2);
    QTest::newRow("wholly outside") << QPoint(20, 20) << QRect(0, 0, 4, 4) << QRect();
}

void ReelRendererTest::copiesAreClippedToBothImages() {
    QFETCH(QPoint, at);
    QFETCH(QRect, from);
    QFETCH(QRect, changed);
    QImage source(8, 8, QImage::Format_RGB32);
    source.fill(Qt::red);
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::blue);
    ReelRenderer::CopyPixels(target, at, source, from);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QRgb want = changed.contains(x, y) ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
            QCOMPARE(target.pixel(x, y), want);
        }
    }
}

void ReelRendererTest::nullImagesAreLeftAlone() {
    QImage empty;
    ReelRenderer::DrawReel(empty, MarkedSheet(96), 96, Reels::kStrips[0], 3);
    QVERIFY(empty.isNull());
    // With no sheet only the payline piece is drawn.
    QImage image(96, 288, QImage::Format_RGB32);
    image.fill(Qt::white);
    ReelRenderer::DrawReel(image, QImage(), 96, Reels::kStrips[0], 3);
    QCOMPARE(image.pixel(5, 10), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(5, 144), qRgb(255, 0, 0));
}

QTEST_APPLESS_MAIN(ReelRendererTest)
#include "ReelRendererTest.moc"
