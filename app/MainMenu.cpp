// SPDX-License-Identifier: MIT
#include "app/MainMenu.h"

#include "game/SpinSpeeds.h"

namespace kelvory {

namespace {
QAction* Checkable(QMenu* menu, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    return action;
}
} // namespace

void MainMenu::Build(QMenuBar* bar) {
    FileMenu = bar->addMenu(QStringLiteral("&File"));
    NewGameItem = FileMenu->addAction(QStringLiteral("&New"));
    FileMenu->addSeparator();
    OpenGameItem = FileMenu->addAction(QStringLiteral("&Open"));
    SaveGameItem = FileMenu->addAction(QStringLiteral("&Save"));
    StatisticsItem = FileMenu->addAction(QStringLiteral("S&tatistics..."));
    FileMenu->addSeparator();
    ExitItem = FileMenu->addAction(QStringLiteral("E&xit"));
    NewGameItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    OpenGameItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveGameItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    StatisticsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    ExitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    OptionsMenu = bar->addMenu(QStringLiteral("&Options"));
    SoundMenu = OptionsMenu->addMenu(QStringLiteral("&Sound"));
    SoundOnItem = Checkable(SoundMenu, QStringLiteral("On"));
    SoundMenu->addSeparator();
    CoinSoundItem = Checkable(SoundMenu, QStringLiteral("Coin Sound"));
    CreditSoundItem = Checkable(SoundMenu, QStringLiteral("Credit Sound"));
    LoseSoundItem = Checkable(SoundMenu, QStringLiteral("Lose Sound"));
    SpinSoundItem = Checkable(SoundMenu, QStringLiteral("Spin Sound"));
    StopSoundItem = Checkable(SoundMenu, QStringLiteral("Stop Sound"));
    WinSoundItem = Checkable(SoundMenu, QStringLiteral("Win Sound"));
    SoundMenu->addSeparator();
    ChangeSoundsItem = SoundMenu->addAction(QStringLiteral("Change Sounds"));
    OptionsMenu->addSeparator();
    SpeedMenu = OptionsMenu->addMenu(QStringLiteral("S&peed"));
    const std::array<QAction**, 4> speeds{&VeryFastItem, &FastItem, &MediumItem, &SlowItem};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        *speeds[i] = Checkable(SpeedMenu, QString::fromLatin1(kSpinSpeeds[i].Caption));
    }
    VolumeItem = OptionsMenu->addAction(QStringLiteral("&Volume..."));
    FullScreenItem = Checkable(OptionsMenu, QStringLiteral("&Full Screen"));
    ReducedMotionItem = Checkable(OptionsMenu, QStringLiteral("&Reduced Motion"));

    BorrowItem = bar->addAction(QStringLiteral("&Borrow"));

    AutoMenu = bar->addMenu(QStringLiteral("&Auto"));
    AutoSpinItem = Checkable(AutoMenu, QStringLiteral("&On"));

    HelpMenu = bar->addMenu(QStringLiteral("&Help"));
    AboutItem = HelpMenu->addAction(QStringLiteral("&About"));
    HelpMenu->addSeparator();
    HelpContentsItem = HelpMenu->addAction(QStringLiteral("&Help Contents"));
    // Shown in the menu and active while the menu is open; in the main window
    // F1 opens the help about the main window.
    HelpContentsItem->setShortcut(QKeySequence(Qt::Key_F1));
    HelpContentsItem->setShortcutContext(Qt::WidgetShortcut);
    PayoffsItem = HelpMenu->addAction(QStringLiteral("&Understanding the Payoffs"));
    HelpMenu->addSeparator();
    SpecialOfferItem = HelpMenu->addAction(QStringLiteral("&Special Offer"));
    SecureOnlineOrdersItem = HelpMenu->addAction(QStringLiteral("Secure &Online Orders"));
    CatalogItem = HelpMenu->addAction(QStringLiteral("&Catalog"));
    FreeCdItem = HelpMenu->addAction(QStringLiteral("&Free CD!"));
}

} // namespace kelvory
