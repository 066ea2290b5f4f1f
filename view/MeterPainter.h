// SPDX-License-Identifier: MIT
#pragma once

#include "view/LayoutTable.h"

#include <QColor>
#include <QLocale>
#include <QString>

class QFont;
class QPainter;

namespace kelvory {

// The two text meters along the top of the main window: "Credits:" (always
// shown) and "Winnings:" (only while a payout is counted). Coordinates are
// those of the composition.
namespace MeterPainter {
// The locale whose currency the meters show: the system's, read once. The
// bare C locale has no currency of its own; it reads as US dollars.
const QLocale& MeterLocale();

// An amount as money in the locale's currency format: its symbol, place and
// grouping, and the currency's usual decimals, but never fewer than two when
// the amount has cents, so none are rounded away. When the symbol cannot be
// drawn, the currency's ISO code ("JPY") stands in for it.
QString MoneyText(const QLocale& locale, double amount, bool symbolDrawable);

// Whether the font has a glyph for every character of the locale's currency
// symbol.
bool CurrencySymbolDrawable(const QLocale& locale, const QFont& font);

void ShowCredits(QPainter& painter, const LayoutValues& values, double amount,
                 const QColor& background);
void ShowWinnings(QPainter& painter, const LayoutValues& values, int reelLeft, bool visible,
                  double amount, const QColor& background);
} // namespace MeterPainter

} // namespace kelvory
