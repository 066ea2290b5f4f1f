// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/DialogKit.h"
#include "game/PlayerStatistics.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <map>

class QGridLayout;
class QLabel;

namespace kelvory {

class NetResultChart;

// The player's statistics beside the game's exact odds: the figures of the
// current game, what the odds give for it, and all games ever played; below
// them a chart of the current game's net result against the expected line
// and its 90 % range. A window of its own that follows the game as it goes on.
class StatisticsWindow : public QWidget {
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

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void AddRow(const QString& name, const QString& caption);
    void Set(const QString& name, Column column, const QString& text);

    const PlayerStatistics& statistics_;
    ShowHelpFunction showHelp_;
    QGridLayout* grid_ = nullptr;
    std::map<QString, std::map<int, QLabel*>> cells_;
    NetResultChart* chart_ = nullptr;
};

} // namespace kelvory
