// SPDX-License-Identifier: MIT
// The player's statistics in the main window: counted from the engine's
// spins, started afresh by a new or opened game, shown in their own window.
#include "app/MainWindow.h"

#include "app/StatisticsWindow.h"
#include "game/PlayerStatistics.h"

namespace kelvory {

void MainWindow::ConnectStatistics() {
    statistics_ = std::make_unique<PlayerStatistics>();
    statistics_->Attach(*engine_, clock_);
    // Once the statistics have counted the spin, the save holds it too.
    engine_->AddSpinEndedHandler([this] { Autosave(); });
    statistics_->SetChangedHandler([this] {
        if (StatisticsWindow* view = StatisticsView()) {
            view->Refresh();
        }
    });
    connect(menu_.StatisticsItem, &QAction::triggered, this, &MainWindow::ShowStatistics);
}

StatisticsWindow* MainWindow::StatisticsView() const {
    return findChild<StatisticsWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

void MainWindow::ShowStatistics() {
    StatisticsWindow* view = StatisticsView();
    if (view == nullptr) {
        view = new StatisticsWindow(
            *statistics_, [this](HelpContext context) { ShowHelp(context); }, this);
    }
    view->Refresh();
    view->show();
    view->raise();
    view->activateWindow();
}

} // namespace kelvory
