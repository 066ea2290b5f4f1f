// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/DialogKit.h"
#include "game/PlayerStatistics.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <map>

class QTableWidget;

namespace kelvory {

class NetResultChart;

// The player's statistics beside the game's exact odds: the figures of the
// current game, what the odds give for it, and all games ever played; below
// them a chart of the current game's net result against the expected line
// and its 90 % range. A dialog that stays open beside the game, over the main
// window, and follows the game as it goes on. The figures are a table whose
// row and column headers a screen reader reads with each figure.
class StatisticsWindow : public QDialog {
    Q_OBJECT
  public:
    // The columns of the figures.
    enum Column { ThisGame = 1, Odds = 2, AllGames = 3 };

    // showHelp opens the help at a context (F1 and the Help button).
    StatisticsWindow(const PlayerStatistics& statistics, ShowHelpFunction showHelp,
                     QWidget* parent = nullptr);

    // Shows the statistics as they are now.
    void Refresh();

    // The text shown for a figure ("Spins", "Return", "Row 3", ...) in a column.
    QString Figure(const QString& name, Column column) const;
    NetResultChart* Chart() const { return chart_; }
    QTableWidget* Figures() const { return figures_; }

  private:
    void AddRow(const QString& name, const QString& caption);
    void Set(const QString& name, Column column, const QString& text);
    // The opening size: every row of the figures and the chart at its usual
    // height, as far as the screen leaves room.
    QSize OpeningSize() const;

    const PlayerStatistics& statistics_;
    ShowHelpFunction showHelp_;
    QTableWidget* figures_ = nullptr;
    std::map<QString, int> rows_;
    NetResultChart* chart_ = nullptr;
};

} // namespace kelvory
