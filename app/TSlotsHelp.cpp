// Help menu of the main window: the help window at its contexts and the
// information screens.
#include "TSlots.h"

namespace kelvory {

void TSlots::ConnectHelpMenu() {
    connect(menu_.HelpContents1, &QAction::triggered, this, &TSlots::HelpContents1Click);
    connect(menu_.UnderstandingthePayoffs1, &QAction::triggered, this,
            &TSlots::UnderstandingthePayoffs1Click);
    connect(menu_.About1, &QAction::triggered, this, [this] { ShowInfoScreen(0); });
    connect(menu_.SpecialOffer1, &QAction::triggered, this, [this] { ShowInfoScreen(1); });
    connect(menu_.SecureOnlineOrders1, &QAction::triggered, this, [this] { ShowInfoScreen(2); });
    connect(menu_.Catalog1, &QAction::triggered, this, [this] { ShowInfoScreen(3); });
    connect(menu_.FreeCD1, &QAction::triggered, this, [this] { ShowInfoScreen(4); });
}

void TSlots::HelpContents1Click() { ShowHelp(0); }

void TSlots::UnderstandingthePayoffs1Click() { ShowHelp(41007); }

void TSlots::ShowHelp(int) {}

void TSlots::ShowInfoScreen(int) {}

} // namespace kelvory
