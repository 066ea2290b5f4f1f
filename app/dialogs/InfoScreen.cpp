// SPDX-License-Identifier: MIT
#include "app/dialogs/InfoScreen.h"

#include "app/dialogs/InfoPicture.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef KELVORY_VERSION
#define KELVORY_VERSION "unknown"
#endif

namespace kelvory {

namespace {
int Checked(int screen) {
    return (screen >= 0 && screen < InfoScreen::kScreenCount) ? screen : InfoScreen::About;
}

InfoPicture::Kind PictureOf(int screen) {
    switch (Checked(screen)) {
    case InfoScreen::SpecialOffer:
        return InfoPicture::Offer;
    case InfoScreen::SecureOnlineOrders:
        return InfoPicture::Padlock;
    case InfoScreen::Catalog:
        return InfoPicture::Symbols;
    case InfoScreen::FreeCD:
        return InfoPicture::Disc;
    default:
        return InfoPicture::Machine;
    }
}

QString PictureName(int screen) {
    switch (Checked(screen)) {
    case InfoScreen::SpecialOffer:
        return QStringLiteral("A golden badge with a clover, marked x2");
    case InfoScreen::SecureOnlineOrders:
        return QStringLiteral("A padlock with a clover");
    case InfoScreen::Catalog:
        return QStringLiteral("A seven, bars and a clover on reel cells");
    case InfoScreen::FreeCD:
        return QStringLiteral("A disc with a clover on its label");
    default:
        return QStringLiteral("A slot machine showing three clovers");
    }
}
} // namespace

QString InfoScreen::Caption(int screen) {
    switch (Checked(screen)) {
    case SpecialOffer:
        return QStringLiteral("Special Offer");
    case SecureOnlineOrders:
        return QStringLiteral("Secure Online Orders");
    case Catalog:
        return QStringLiteral("Catalog");
    case FreeCD:
        return QStringLiteral("Free CD!");
    default:
        return QStringLiteral("About Kelvory");
    }
}

QString InfoScreen::Heading(int screen) {
    switch (Checked(screen)) {
    case SpecialOffer:
        return QStringLiteral("Today's special: a lucky clover on every reel");
    case SecureOnlineOrders:
        return QStringLiteral("Nothing to order, nothing to pay");
    case Catalog:
        return QStringLiteral("The Kelvory catalog");
    case FreeCD:
        return QStringLiteral("Your free copy is already here");
    default:
        return QStringLiteral("Kelvory %1").arg(QStringLiteral(KELVORY_VERSION));
    }
}

QString InfoScreen::Body(int screen) {
    switch (Checked(screen)) {
    case SpecialOffer:
        return QStringLiteral(
            "<p>Every reel of this machine carries a four-leaf clover, and a clover "
            "pays wherever you see it.</p>"
            "<p>Bet two credits and every prize is doubled, and the top prize is four "
            "times as large: 10,000 credits for three clovers on the payline.</p>"
            "<p>The offer never ends and costs nothing: Kelvory is played with "
            "pretend credits only.</p>");
    case SecureOnlineOrders:
        return QStringLiteral(
            "<p>Kelvory never asks for money, card numbers or passwords, and it never "
            "connects to the network.</p>"
            "<p>Your credits are play credits. When they run short, the house lends you "
            "more from the Borrow menu, and you pay them back whenever you like.</p>"
            "<p>Everything stays on your computer.</p>");
    case Catalog:
        return QStringLiteral("<ul>"
                              "<li>Three reels of sevens, bars and lucky clovers</li>"
                              "<li>An eight-row pay table with prizes up to 10,000 credits</li>"
                              "<li>Four spin speeds and auto-spin</li>"
                              "<li>Eight slots for saved games</li>"
                              "<li>Six sounds, two of them replaceable with your own</li>"
                              "<li>Borrowing in chips from 1,000 credits down to 1 cent</li>"
                              "<li>Three window sizes, up to the full screen</li>"
                              "</ul>"
                              "<p>Everything in this catalog is already installed.</p>");
    case FreeCD:
        return QStringLiteral(
            "<p>No disc needed: Kelvory is free software.</p>"
            "<p>Copy it, share it with your friends, or burn it onto a disc of your "
            "own if you like, under the terms of the MIT licence.</p>"
            "<p>No shipping, no waiting.</p>");
    default:
        return QStringLiteral(
                   "<p>Version %1</p>"
                   "<p>A three-reel slot machine for the desktop, played with credits the "
                   "house lends you. Clovers are wild: a clover anywhere on a reel completes "
                   "any line, and clovers on the payline multiply your win.</p>"
                   "<p>Copyright &copy; the Kelvory developers.<br>"
                   "Released under the MIT licence: you may use, copy, change and share it "
                   "freely. It comes without any warranty.</p>")
            .arg(QStringLiteral(KELVORY_VERSION));
    }
}

InfoScreen::InfoScreen(int screen, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Caption(screen));
    setAccessibleName(Caption(screen));

    picture_ = new InfoPicture(PictureOf(screen), this);
    picture_->setAccessibleName(PictureName(screen));

    heading_ = new QLabel(Heading(screen), this);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading_->setFont(headingFont);
    heading_->setWordWrap(true);

    body_ = new QLabel(Body(screen), this);
    body_->setTextFormat(Qt::RichText);
    body_->setWordWrap(true);
    body_->setMinimumWidth(340);
    body_->setAccessibleName(Heading(screen));
    body_->setAccessibleDescription(body_->text());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setAccessibleName(QStringLiteral("OK, close this screen"));
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(heading_);
    text->addWidget(body_);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture_, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok_->setFocus();
}

} // namespace kelvory
