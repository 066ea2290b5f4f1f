// SPDX-License-Identifier: MIT
#include "view/ViewLayout.h"
#include "view/PayRowGeometry.h"

#include <QTest>

using namespace kelvory;

namespace {
const LayoutValues& ValuesFor(int cellSize) {
    return cellSize == 192 ? kLargeLayout : cellSize == 128 ? kMediumLayout : kSmallLayout;
}
} // namespace

class ViewLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void choosesLayoutByClientWidth_data();
    void choosesLayoutByClientWidth();
    void designSizePlacesPanelReelsAndButtons();
    void buttonsStandAboveTheBottomEdge_data();
    void buttonsStandAboveTheBottomEdge();
    void payRowBoxesLineUpAtEachCellSize_data();
    void payRowBoxesLineUpAtEachCellSize();
    void designSizesCompose_data();
    void designSizesCompose();
    void compositionCentresOnLargerClients_data();
    void compositionCentresOnLargerClients();
    void compositionScalesFromOnePointOne_data();
    void compositionScalesFromOnePointOne();
};

void ViewLayoutTest::choosesLayoutByClientWidth_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<int>("topMargin");
    QTest::addColumn<int>("buttonWidth");
    QTest::newRow("design width") << 96 << 632 << 96 << 34 << 112;
    QTest::newRow("750 keeps the small layout") << 192 << 750 << 96 << 34 << 112;
    QTest::newRow("751 is the 128 layout") << 96 << 751 << 128 << 34 << 132;
    QTest::newRow("1000 is the 128 layout") << 96 << 1000 << 128 << 34 << 132;
    QTest::newRow("1001 is the 192 layout") << 96 << 1001 << 192 << 42 << 164;
    QTest::newRow("5000 is the 192 layout") << 96 << 5000 << 192 << 42 << 164;
    QTest::newRow("5001 keeps the 128 layout") << 751 << 5001 << 128 << 34 << 132;
    QTest::newRow("5001 keeps the 96 layout") << 632 << 5001 << 96 << 34 << 112;
}

void ViewLayoutTest::choosesLayoutByClientWidth() {
    QFETCH(int, before);
    QFETCH(int, width);
    ViewLayout layout;
    layout.Choose(before);
    layout.Choose(width);
    QTEST(layout.CellSize(), "cellSize");
    QTEST(layout.TopMargin(), "topMargin");
    QTEST(layout.ButtonWidth(), "buttonWidth");
}

void ViewLayoutTest::designSizePlacesPanelReelsAndButtons() {
    ViewLayout layout;
    layout.Choose(632);
    const int outer = ViewLayout::OuterWidth(632);
    QCOMPARE(outer, 638);
    const int reelLeft = layout.PaintReelLeft(outer);
    QCOMPARE(reelLeft, 165);
    const QRect panel = layout.Panel(reelLeft);
    QCOMPARE(panel, QRect(QPoint(149, 28), QPoint(488, 327)));
    QCOMPARE(layout.ReelOrigin(reelLeft, 0), QPoint(165, 34));
    QCOMPARE(layout.ReelOrigin(reelLeft, 1), QPoint(270, 34));
    QCOMPARE(layout.ReelOrigin(reelLeft, 2), QPoint(375, 34));
    QCOMPARE(layout.ReelShown(), QSize(95, 287));
    QCOMPARE(layout.LeftArrow(reelLeft), QPoint(149, 163));
    QCOMPARE(layout.RightArrow(reelLeft), QPoint(473, 163));
    const ViewLayout::ButtonRow row = layout.Buttons(outer, 394);
    QCOMPARE(row.betOneLeft, 135);
    QCOMPARE(row.betTwoLeft, 259);
    QCOMPARE(row.spinLeft, 383);
    QCOMPARE(row.top, 341);
}

void ViewLayoutTest::buttonsStandAboveTheBottomEdge_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("gap");
    QTest::newRow("96 layout: 4 pixels") << 632 << 394 << 4;
    QTest::newRow("128 layout: 20 pixels") << 794 << 532 << 20;
    QTest::newRow("192 layout: 4 pixels") << 1018 << 700 << 4;
}

void ViewLayoutTest::buttonsStandAboveTheBottomEdge() {
    QFETCH(int, width);
    QFETCH(int, height);
    ViewLayout layout;
    layout.Choose(width);
    const ViewLayout::ButtonRow row = layout.Buttons(ViewLayout::OuterWidth(width), height);
    QTEST(height - (row.top + ViewLayout::kButtonHeight), "gap");
    // "Bet 2" halfway between the other two, all inside the window.
    QCOMPARE(row.betTwoLeft, (row.betOneLeft + row.spinLeft) / 2);
    QVERIFY(row.betOneLeft >= 0);
    QVERIFY(row.spinLeft + layout.ButtonWidth() <= width);
}

void ViewLayoutTest::payRowBoxesLineUpAtEachCellSize_data() {
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QRect>("box"); // right and bottom exclusive, as x1, y1, x2, y2
    auto extent = [](int x1, int y1, int x2, int y2) {
        return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    };
    for (int row : {0, 3, 7}) {
        const QByteArray r = QByteArray::number(row);
        QTest::newRow("96 left row " + r)
            << 96 << row << 0 << extent(5, 48 * row + 3, 127, 48 * row + 52);
        QTest::newRow("96 right row " + r)
            << 96 << row << 1 << extent(505, 48 * row + 3, 627, 48 * row + 52);
        QTest::newRow("128 left row " + r)
            << 128 << row << 0 << extent(13, 58 * row + 31, 160, 58 * row + 90);
        QTest::newRow("128 right row " + r)
            << 128 << row << 1 << extent(633, 58 * row + 31, 780, 58 * row + 90);
        QTest::newRow("192 left row " + r)
            << 192 << row << 0 << extent(9, 80 * row + 49, 183, 80 * row + 130);
        QTest::newRow("192 right row " + r)
            << 192 << row << 1 << extent(841, 80 * row + 49, 1015, 80 * row + 130);
    }
}

void ViewLayoutTest::payRowBoxesLineUpAtEachCellSize() {
    QFETCH(int, cellSize);
    QFETCH(int, row);
    QFETCH(int, column);
    const PayRowGeometry g = PayRowGeometry::For(ValuesFor(cellSize), row, column);
    QTEST(g.box, "box");
    // Neighbouring boxes share one outline row.
    const PayRowGeometry next = PayRowGeometry::For(ValuesFor(cellSize), row + 1, column);
    QCOMPARE(next.box.top(), g.box.bottom());
}

void ViewLayoutTest::designSizesCompose_data() {
    QTest::addColumn<QSize>("design");
    QTest::newRow("96 layout") << QSize(632, 394);
    QTest::newRow("128 layout") << QSize(794, 532);
    QTest::newRow("192 layout") << QSize(1018, 700);
}

// At its design size a layout's pay columns, reel panel (with its frame),
// buttons and meters all lie inside the client area, clear of each other.
void ViewLayoutTest::designSizesCompose() {
    QFETCH(QSize, design);
    ViewLayout layout;
    layout.Choose(design.width());
    QCOMPARE(layout.Values().designClient, design);
    QCOMPARE(layout.Offset(design), QPoint(0, 0));
    const int outer = ViewLayout::OuterWidth(design.width());
    const int reelLeft = layout.PaintReelLeft(outer);
    const LayoutValues& values = layout.Values();
    QList<QPair<QString, QRect>> parts;
    for (int column = 0; column < 2; ++column) {
        const QRect top = PayRowGeometry::For(values, 0, column).box;
        parts.append({"pay column " + QString::number(column),
                      top.united(PayRowGeometry::For(values, 7, column).box)});
    }
    parts.append({"reel panel", layout.Panel(reelLeft).adjusted(-5, -5, 5, 5)});
    const ViewLayout::ButtonRow row = layout.Buttons(outer, design.height());
    for (int left : {row.betOneLeft, row.betTwoLeft, row.spinLeft}) {
        parts.append({"button at " + QString::number(left),
                      QRect(left, row.top, layout.ButtonWidth(), ViewLayout::kButtonHeight)});
    }
    parts.append(
        {"credit meter", values.creditsCleared.united(QRect(values.creditsLabel, QSize(1, 1)))});
    parts.append(
        {"winnings meter", QRect(QPoint(reelLeft - 25, 0),
                                 QPoint(values.winningsRight - 1, values.winningsBottom - 1))});
    const QRect client(QPoint(0, 0), design);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY2(client.contains(parts[i].second), qPrintable(parts[i].first));
        for (qsizetype j = i + 1; j < parts.size(); ++j) {
            QVERIFY2(!parts[i].second.intersects(parts[j].second),
                     qPrintable(parts[i].first + " meets " + parts[j].first));
        }
    }
}

void ViewLayoutTest::compositionCentresOnLargerClients_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("96 design size") << QSize(632, 394) << QPoint(0, 0);
    QTest::newRow("96 smaller") << QSize(600, 300) << QPoint(0, 0);
    QTest::newRow("96 wider and taller") << QSize(750, 500) << QPoint(59, 53);
    QTest::newRow("128 on 800 x 600") << QSize(800, 560) << QPoint(3, 14);
    QTest::newRow("192 narrower, taller") << QSize(1010, 900) << QPoint(0, 100);
    QTest::newRow("192 on 1920 x 1080") << QSize(1920, 1010) << QPoint(451, 155);
    QTest::newRow("192 at 5000") << QSize(5000, 1400) << QPoint(1991, 350);
}

void ViewLayoutTest::compositionCentresOnLargerClients() {
    QFETCH(QSize, client);
    QFETCH(QPoint, offset);
    ViewLayout layout;
    layout.Choose(client.width());
    QCOMPARE(layout.Offset(client), offset);
    // The buttons move with the rest.
    const QSize composed = layout.ComposedSize(client);
    const ViewLayout::ButtonRow at =
        layout.Buttons(ViewLayout::OuterWidth(composed.width()), composed.height());
    const ViewLayout::ButtonRow placed = layout.PlacedButtons(client);
    QCOMPARE(QPoint(placed.betOneLeft, placed.top), QPoint(at.betOneLeft, at.top) + offset);
    QCOMPARE(placed.spinLeft, at.spinLeft + offset.x());
}

void ViewLayoutTest::compositionScalesFromOnePointOne_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<double>("scale");
    QTest::newRow("design size") << QSize(1018, 700) << 1.0;
    QTest::newRow("just below 1.1") << QSize(1400, 769) << 1.0;
    QTest::newRow("1.1 by the height") << QSize(1400, 770) << 1.1;
    QTest::newRow("the width limits") << QSize(1527, 1400) << 1.5;
    QTest::newRow("96 layout by the width") << QSize(750, 600) << 750.0 / 632;
    QTest::newRow("a huge client stops at 8") << QSize(8000, 4000) << 8.0;
}

void ViewLayoutTest::compositionScalesFromOnePointOne() {
    QFETCH(QSize, client);
    QFETCH(double, scale);
    ViewLayout layout;
    layout.Choose(client.width());
    QCOMPARE(layout.Scale(client), scale);
}

QTEST_APPLESS_MAIN(ViewLayoutTest)
#include "ViewLayoutTest.moc"
