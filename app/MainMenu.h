// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace kelvory {

// The main window's menu bar, its items named as the window's handlers expect.
struct MainMenu {
    QMenu* FileMenu = nullptr;
    QAction* NewGameItem = nullptr;
    QAction* OpenGameItem = nullptr;
    QAction* SaveGameItem = nullptr;
    QAction* StatisticsItem = nullptr;
    QAction* ExitItem = nullptr;

    QMenu* OptionsMenu = nullptr;
    QMenu* SoundMenu = nullptr;
    QAction* SoundOnItem = nullptr;
    QAction* CoinSoundItem = nullptr;
    QAction* CreditSoundItem = nullptr;
    QAction* LoseSoundItem = nullptr;
    QAction* SpinSoundItem = nullptr;
    QAction* StopSoundItem = nullptr;
    QAction* WinSoundItem = nullptr;
    QAction* ChangeSoundsItem = nullptr;
    QMenu* SpeedMenu = nullptr;
    QAction* VeryFastItem = nullptr;
    QAction* FastItem = nullptr;
    QAction* MediumItem = nullptr;
    QAction* SlowItem = nullptr;
    // The Speed items in the order of kSpinSpeeds.
    std::array<QAction*, 4> SpeedActions() const {
        return {VeryFastItem, FastItem, MediumItem, SlowItem};
    }
    QAction* VolumeItem = nullptr;
    QAction* FullScreenItem = nullptr;    // checkable, F11
    QAction* ReducedMotionItem = nullptr; // checkable: the winning row does not flash

    QAction* BorrowItem = nullptr;

    QMenu* AutoMenu = nullptr;
    QAction* AutoSpinItem = nullptr;

    QMenu* HelpMenu = nullptr;
    QAction* AboutItem = nullptr;
    QAction* HelpContentsItem = nullptr;
    QAction* PayoffsItem = nullptr;
    QAction* SpecialOfferItem = nullptr;
    QAction* SecureOnlineOrdersItem = nullptr;
    QAction* CatalogItem = nullptr;
    QAction* FreeCdItem = nullptr;

    // Builds every menu and item on the bar, in order, with their keys; nothing
    // is checked yet.
    void Build(QMenuBar* bar);
};

} // namespace kelvory
