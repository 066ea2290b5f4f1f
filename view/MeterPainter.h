// SPDX-License-Identifier: MIT
#pragma once

#include "view/LayoutTable.h"

#include <QColor>
#include <QString>

class QPainter;

namespace kelvory {

// The two text meters along the top of the main window: "Credits:" (always
// shown) and "Winnings:" (only while a payout is counted). Coordinates are
// those of the composition.
namespace MeterPainter {
// An amount as money in the system's regional currency format, read once.
// The bare C locale has no currency of its own; it reads as US dollars.
QString MoneyText(double amount);

void ShowCredits(QPainter& painter, const LayoutValues& values, double amount,
                 const QColor& background);
void ShowWinnings(QPainter& painter, const LayoutValues& values, int reelLeft, bool visible,
                  double amount, const QColor& background);
} // namespace MeterPainter

} // namespace kelvory
