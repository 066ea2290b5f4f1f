// SPDX-License-Identifier: MIT
// The player's statistics in the main window: counted from the engine's
// spins, started afresh by a new or opened game, shown in their own window.
#include "app/TSlots.h"

#include "app/StatisticsWindow.h"
#include "game/PlayerStatistics.h"

namespace kelvory {

void TSlots::ConnectStatistics() {
    statistics_ = std::make_unique<PlayerStatistics>();
    statistics_->Attach(*engine_, clock_);
    statistics_->SetChangedHandler([this] {
        if (StatisticsWindow* view = StatisticsView()) {
            view->Refresh();
        }
    });
    connect(menu_.Statistics1, &QAction::triggered, this, &TSlots::Statistics1Click);
}

StatisticsWindow* TSlots::StatisticsView() const {
    return findChild<StatisticsWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

void TSlots::Statistics1Click() {
    StatisticsWindow* view = StatisticsView();
    if (view == nullptr) {
        view = new StatisticsWindow(
            *statistics_, [this](int context) { ShowHelp(context); }, this);
    }
    view->Refresh();
    view->show();
    view->raise();
    view->activateWindow();
}

} // namespace kelvory
