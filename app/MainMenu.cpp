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
    File1 = bar->addMenu(QStringLiteral("&File"));
    New1 = File1->addAction(QStringLiteral("&New"));
    File1->addSeparator();
    load1 = File1->addAction(QStringLiteral("&Open"));
    Save1 = File1->addAction(QStringLiteral("&Save"));
    Statistics1 = File1->addAction(QStringLiteral("S&tatistics..."));
    File1->addSeparator();
    Exit1 = File1->addAction(QStringLiteral("E&xit"));
    New1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    load1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Save1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Statistics1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    Options1 = bar->addMenu(QStringLiteral("&Options"));
    Sound1 = Options1->addMenu(QStringLiteral("&Sound"));
    On1 = Checkable(Sound1, QStringLiteral("On"));
    Sound1->addSeparator();
    CoinSound1 = Checkable(Sound1, QStringLiteral("Coin Sound"));
    CreditSound1 = Checkable(Sound1, QStringLiteral("Credit Sound"));
    LoseSound1 = Checkable(Sound1, QStringLiteral("Lose Sound"));
    SpinSound1 = Checkable(Sound1, QStringLiteral("Spin Sound"));
    StopSound1 = Checkable(Sound1, QStringLiteral("Stop Sound"));
    WinSound1 = Checkable(Sound1, QStringLiteral("Win Sound"));
    Sound1->addSeparator();
    ChangeSounds1 = Sound1->addAction(QStringLiteral("Change Sounds"));
    Options1->addSeparator();
    Speed1 = Options1->addMenu(QStringLiteral("S&peed"));
    const std::array<QAction**, 4> speeds{&VeryFast1, &Fast1, &Medium1, &Slow1};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        *speeds[i] = Checkable(Speed1, QString::fromLatin1(kSpinSpeeds[i].Caption));
    }
    FullScreen1 = Checkable(Options1, QStringLiteral("&Full Screen"));

    Borrow1 = bar->addAction(QStringLiteral("&Borrow"));

    Auto1 = bar->addMenu(QStringLiteral("&Auto"));
    On2 = Checkable(Auto1, QStringLiteral("&On"));

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    About1 = Help1->addAction(QStringLiteral("&About"));
    Help1->addSeparator();
    HelpContents1 = Help1->addAction(QStringLiteral("&Help Contents"));
    // Shown in the menu and active while the menu is open; in the main window
    // F1 opens the help about the main window.
    HelpContents1->setShortcut(QKeySequence(Qt::Key_F1));
    HelpContents1->setShortcutContext(Qt::WidgetShortcut);
    UnderstandingthePayoffs1 = Help1->addAction(QStringLiteral("&Understanding the Payoffs"));
    Help1->addSeparator();
    SpecialOffer1 = Help1->addAction(QStringLiteral("&Special Offer"));
    SecureOnlineOrders1 = Help1->addAction(QStringLiteral("Secure &Online Orders"));
    Catalog1 = Help1->addAction(QStringLiteral("&Catalog"));
    FreeCD1 = Help1->addAction(QStringLiteral("&Free CD!"));
}

} // namespace kelvory
