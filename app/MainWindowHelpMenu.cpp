// SPDX-License-Identifier: MIT
// Help menu of the main window: the help window at its contexts and the
// information screens; F1 and the accessible names of the main buttons.
#include "app/MainWindow.h"

#include "app/HelpWindow.h"
#include "app/dialogs/DialogKit.h"
#include "app/dialogs/ErrorBox.h"
#include "app/dialogs/HelpContext.h"
#include "app/dialogs/InfoScreen.h"
#include "view/FileBytes.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

namespace kelvory {

void MainWindow::ConnectHelpMenu() {
    connect(menu_.HelpContentsItem, &QAction::triggered, this, &MainWindow::ShowHelpContents);
    connect(menu_.PayoffsItem, &QAction::triggered, this, &MainWindow::ShowPayoffsHelp);
    connect(menu_.AboutItem, &QAction::triggered, this,
            [this] { ShowInfoScreen(InfoScreen::About); });
    connect(menu_.SpecialOfferItem, &QAction::triggered, this,
            [this] { ShowInfoScreen(InfoScreen::SpecialOffer); });
    connect(menu_.SecureOnlineOrdersItem, &QAction::triggered, this,
            [this] { ShowInfoScreen(InfoScreen::SecureOnlineOrders); });
    connect(menu_.CatalogItem, &QAction::triggered, this,
            [this] { ShowInfoScreen(InfoScreen::Catalog); });
    connect(menu_.FreeCdItem, &QAction::triggered, this,
            [this] { ShowInfoScreen(InfoScreen::FreeCD); });

    DialogKit::AddHelpKey(
        this, [this](HelpContext context) { ShowHelp(context); }, HelpContext::MainWindow);

    BetOneButton()->setAccessibleName(QStringLiteral("Bet 1"));
    BetOneButton()->setAccessibleDescription(QStringLiteral("Bet one credit"));
    BetTwoButton()->setAccessibleName(QStringLiteral("Bet 2"));
    BetTwoButton()->setAccessibleDescription(QStringLiteral("Bet two credits"));
    SpinButton()->setAccessibleName(QStringLiteral("Spin"));
    SpinButton()->setAccessibleDescription(QStringLiteral("Spin the slot wheels"));
    setAccessibleName(QStringLiteral("Kelvory"));

    // The desktop entry and icon the installed program belongs to.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kelvory.Kelvory"));
    if (const std::optional<QByteArray> svg = FileBytes::Read(programDir_ + "kelvory.svg")) {
        QPixmap icon;
        if (icon.loadFromData(*svg, "SVG")) {
            setWindowIcon(QIcon(icon));
        }
    }
}

void MainWindow::ShowHelpContents() {
    ShowHelp(HelpContext::Contents);
}

void MainWindow::ShowPayoffsHelp() {
    ShowHelp(HelpContext::Payoffs);
}

void MainWindow::ShowHelp(HelpContext context) {
    auto* help = findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) {
        help = new HelpWindow(helpFile_, this);
    }
    if (!help->ShowContext(context)) {
        QWidget* modal = QApplication::activeModalWidget();
        ErrorBox::Show(modal != nullptr ? modal : this,
                       QStringLiteral("Cannot open file %1")
                           .arg(QFile::decodeName(QByteArray::fromStdString(helpFile_))));
    }
}

void MainWindow::ShowInfoScreen(int screen) {
    InfoScreen dialog(screen, this);
    dialog.exec();
}

} // namespace kelvory
