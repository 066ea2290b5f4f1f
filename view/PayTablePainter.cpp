// SPDX-License-Identifier: MIT
#include "view/PayTablePainter.h"

#include "game/WinRules.h"
#include "view/CanvasText.h"
#include "view/Fonts.h"
#include "view/PayRowGeometry.h"
#include "view/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QStringList>

namespace kelvory {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

const QImage& Icons(bool large, bool lit, qreal ratio) {
    if (large) {
        return lit ? Pictures::LargePayIconsLit(ratio) : Pictures::LargePayIcons(ratio);
    }
    return lit ? Pictures::SmallPayIconsLit(ratio) : Pictures::SmallPayIcons(ratio);
}

QStringList CloverRowLines(int lineCount) {
    if (lineCount == 3) {
        return {QStringLiteral("Each Shamrock on"), QStringLiteral("the screen returns"),
                QStringLiteral("the current bet.")};
    }
    return {QStringLiteral("Each Shamrock on"), QStringLiteral("the screen returns"),
            QStringLiteral("the current bet (on"), QStringLiteral("the payline returns"),
            QStringLiteral("2X your bet).")};
}
} // namespace

void PayTablePainter::DrawPayRow(QPainter& painter, const GameState& state,
                                 const LayoutValues& values, int row, bool lit, int column) {
    if (row < 0 || row >= kPayRows || column < 0 || column > 1) {
        return;
    }
    const PayRowGeometry g = PayRowGeometry::For(values, row, column);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A one-pixel outline in the button-shadow colour around the ground.
    painter.fillRect(g.box, QGuiApplication::palette().color(QPalette::Dark));
    painter.fillRect(g.box.adjusted(1, 1, -1, -1), lit ? kYellow : kWhite);

    const QImage& icons = Icons(g.largeIcons, lit, Pictures::RatioOf(painter));
    const int s = g.iconSize;
    auto icon = [&](int tile, int x, int y) {
        Pictures::Blit(painter, QPoint(x, y), icons, QRect((tile % 3) * s, (tile / 3) * s, s, s));
    };
    const int x = g.icon.x();
    const int y = g.icon.y();
    if (row != kCloverRow) {
        const int tile = row == 0 ? 0 : row - 1;
        for (int i = 0; i < 3; ++i) {
            icon(tile, x + i * g.step, y);
        }
        painter.setFont(Fonts::Canvas(g.pays.points, g.pays.bold));
        CanvasText::DrawAt(painter, g.pays.at.x(), g.pays.at.y(), QStringLiteral("Pays "), kBlack);
        painter.setFont(Fonts::Canvas(g.amount.points, true));
        const int stake = column + 1;
        const QString pays = QString::number(WinRules::RowPay(state.PayValues, row, stake));
        if (row == kTopRow && stake == 2) {
            // The top prize on two coins stands out: white on red.
            const int width = painter.fontMetrics().horizontalAdvance(pays);
            CanvasText::DrawOpaqueAt(painter, g.amount.at.x() - width, g.amount.at.y(), pays,
                                     kWhite, kRed);
        } else {
            CanvasText::DrawRightAligned(painter, g.amount.at.x(), g.amount.at.y(), pays, kRed);
        }
        if (row == kCloverOnEveryReelRow) {
            painter.setFont(Fonts::Canvas(g.anyWhere.points, true));
            CanvasText::DrawCentred(painter, g.anyWhere.at.x(), g.anyWhere.at.y(),
                                    QStringLiteral("Any Position"), kRed);
        }
    } else {
        icon(Clover, x, y + g.cloverRowIconDrop);
        icon(Clover, x + 2 * g.step, y + g.cloverRowIconDrop);
        painter.setFont(Fonts::Canvas(g.cloverTextPoints, false));
        const QStringList lines = CloverRowLines(g.cloverTextLines);
        for (int i = 0; i < lines.size(); ++i) {
            CanvasText::DrawCentred(painter, g.cloverTextCentre, y + i * g.cloverTextPitch,
                                    lines[i], kBlack);
        }
    }
    if (state.CloverMultiplier > 0 && row == state.WinningRow && lit) {
        painter.setFont(Fonts::Canvas(g.multiplier.points, true));
        CanvasText::DrawAt(painter, g.multiplier.at.x(), g.multiplier.at.y(),
                           QString::number(state.CloverMultiplier) + QLatin1Char('X'), kRed);
    }
    painter.restore();
}

void PayTablePainter::DrawHeadings(QPainter& painter, const LayoutValues& values) {
    if (!PayRowGeometry::HasHeadings(values)) {
        return;
    }
    painter.save();
    const PayRowGeometry::Text one = PayRowGeometry::Heading(values, 0);
    const PayRowGeometry::Text two = PayRowGeometry::Heading(values, 1);
    painter.setFont(Fonts::Canvas(one.points, true));
    CanvasText::DrawAt(painter, one.at.x(), one.at.y(), QStringLiteral("1 Coin"), kRed);
    CanvasText::DrawAt(painter, two.at.x(), two.at.y(), QStringLiteral("2 Coins"), kRed);
    painter.restore();
}

void PayTablePainter::DrawAllRows(QPainter& painter, const GameState& state,
                                  const LayoutValues& values) {
    int first = 0;
    bool firstLit = false;
    bool secondLit = false;
    switch (state.BetInPlay) {
    case 0:
        break;
    case 1:
        first = 1;
        secondLit = true;
        break;
    case 2:
        secondLit = true;
        break;
    default:
        return;
    }
    for (int row = 0; row < kPayRows; ++row) {
        DrawPayRow(painter, state, values, row, firstLit, first);
    }
    for (int row = 0; row < kPayRows; ++row) {
        DrawPayRow(painter, state, values, row, secondLit, 1 - first);
    }
}

} // namespace kelvory
