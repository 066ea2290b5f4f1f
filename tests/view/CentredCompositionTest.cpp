// SPDX-License-Identifier: MIT
#include "game/GameState.h"
#include "tests/support/CanvasWindow.h"
#include "view/SlotCanvas.h"

#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace kelvory;

namespace {
using Window = test::CanvasWindow;

QRect CreditMeter(const LayoutValues& values) {
    return QRect(values.creditsLabel, values.creditsCleared.bottomRight());
}
} // namespace

class CentredCompositionTest : public QObject {
    Q_OBJECT
  private slots:
    void largerClientShowsTheDesignPictureCentred_data();
    void largerClientShowsTheDesignPictureCentred();
    void meterRedrawnManyTimesLooksDrawnOnce_data();
    void meterRedrawnManyTimesLooksDrawnOnce();
};

void CentredCompositionTest::largerClientShowsTheDesignPictureCentred_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("design");
    QTest::addColumn<QPoint>("offset");
    // Clients too small for a scale of 1.1 (larger ones scale the picture up).
    QTest::newRow("690 x 430") << QSize(690, 430) << QSize(632, 394) << QPoint(29, 18);
    QTest::newRow("870 x 580") << QSize(870, 580) << QSize(794, 532) << QPoint(38, 24);
    QTest::newRow("1024 x 710") << QSize(1024, 710) << QSize(1018, 700) << QPoint(3, 5);
    QTest::newRow("1366 x 700") << QSize(1366, 700) << QSize(1018, 700) << QPoint(174, 0);
    QTest::newRow("5000 x 769") << QSize(5000, 769) << QSize(1018, 700) << QPoint(1991, 34);
}

void CentredCompositionTest::largerClientShowsTheDesignPictureCentred() {
    QFETCH(QSize, client);
    QFETCH(QSize, design);
    QFETCH(QPoint, offset);
    Window small(design);
    Window large(client);
    QCOMPARE(large.canvas.Offset(), offset);
    const QRect composition(offset, design);
    QCOMPARE(large.Region(composition), small.canvas.Canvas());
    // Nothing is drawn outside the composition.
    QImage rest = large.canvas.Canvas();
    const QColor background = large.canvas.palette().color(QPalette::Button);
    QPainter(&rest).fillRect(composition, background);
    QImage blank(rest.size(), rest.format());
    blank.fill(background);
    QVERIFY(rest == blank);
    const QList<QPushButton*> smallButtons{small.canvas.BetOneButton(), small.canvas.BetTwoButton(),
                                           small.canvas.SpinButton()};
    const QList<QPushButton*> largeButtons{large.canvas.BetOneButton(), large.canvas.BetTwoButton(),
                                           large.canvas.SpinButton()};
    for (qsizetype i = 0; i < smallButtons.size(); ++i) {
        QCOMPARE(largeButtons[i]->geometry(), smallButtons[i]->geometry().translated(offset));
    }
    // A payout: the winnings meter moves with the rest and keeps off the
    // credit meter, whatever the amount.
    const QRect credits = CreditMeter(large.canvas.Layout().Values()).translated(offset);
    const QImage creditsBefore = large.Region(credits);
    for (double amount : {1.0, 250.0, 99999999.0}) {
        small.canvas.ShowWinnings(true, amount);
        large.canvas.ShowWinnings(true, amount);
        QCOMPARE(large.Region(credits), creditsBefore);
        QCOMPARE(large.Region(composition), small.canvas.Canvas());
    }
    small.canvas.ShowWinnings(false, 0);
    large.canvas.ShowWinnings(false, 0);
    QCOMPARE(large.Region(composition), small.canvas.Canvas());
}

void CentredCompositionTest::meterRedrawnManyTimesLooksDrawnOnce_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("winnings");
    for (QSize client : {QSize(632, 394), QSize(794, 532), QSize(1018, 700)}) {
        QTest::addRow("credits at %d", client.width()) << client << false;
        QTest::addRow("winnings at %d", client.width()) << client << true;
    }
}

void CentredCompositionTest::meterRedrawnManyTimesLooksDrawnOnce() {
    QFETCH(QSize, client);
    QFETCH(bool, winnings);
    Window w(client);
    auto show = [&] {
        if (winnings) {
            w.canvas.ShowWinnings(true, 1234.0);
        } else {
            w.canvas.ShowCredits(1234.0);
        }
    };
    const QRect strip(0, 0, client.width(), 32);
    show();
    const QImage once = w.Region(strip);
    for (int i = 0; i < 100; ++i) {
        show();
    }
    QCOMPARE(w.Region(strip), once);
}

QTEST_MAIN(CentredCompositionTest)
#include "CentredCompositionTest.moc"
