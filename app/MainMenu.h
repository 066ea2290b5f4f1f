// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace kelvory {

// The main window's menu bar, its items named as the window's handlers expect.
struct MainMenu {
    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* load1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Statistics1 = nullptr;
    QAction* Exit1 = nullptr;

    QMenu* Options1 = nullptr;
    QMenu* Sound1 = nullptr;
    QAction* On1 = nullptr;
    QAction* CoinSound1 = nullptr;
    QAction* CreditSound1 = nullptr;
    QAction* LoseSound1 = nullptr;
    QAction* SpinSound1 = nullptr;
    QAction* StopSound1 = nullptr;
    QAction* WinSound1 = nullptr;
    QAction* ChangeSounds1 = nullptr;
    QMenu* Speed1 = nullptr;
    QAction* VeryFast1 = nullptr;
    QAction* Fast1 = nullptr;
    QAction* Medium1 = nullptr;
    QAction* Slow1 = nullptr;
    // The Speed items in the order of kSpinSpeeds.
    std::array<QAction*, 4> SpeedActions() const { return {VeryFast1, Fast1, Medium1, Slow1}; }
    QAction* FullScreen1 = nullptr; // checkable, F11

    QAction* Borrow1 = nullptr;

    QMenu* Auto1 = nullptr;
    QAction* On2 = nullptr;

    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;
    QAction* HelpContents1 = nullptr;
    QAction* UnderstandingthePayoffs1 = nullptr;
    QAction* SpecialOffer1 = nullptr;
    QAction* SecureOnlineOrders1 = nullptr;
    QAction* Catalog1 = nullptr;
    QAction* FreeCD1 = nullptr;

    // Builds every menu and item on the bar, in order, with their keys; nothing
    // is checked yet.
    void Build(QMenuBar* bar);
};

} // namespace kelvory
