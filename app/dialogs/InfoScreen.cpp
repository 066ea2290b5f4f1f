// SPDX-License-Identifier: MIT
#include "app/dialogs/InfoScreen.h"

#include "app/dialogs/InfoPicture.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <array>

#ifndef KELVORY_VERSION
#define KELVORY_VERSION "unknown"
#endif

namespace kelvory {

namespace {

// What one screen shows. The About screen's heading and body take the
// program's version for "%1".
struct ScreenText {
    const char* caption;
    const char* heading;
    const char* body;
    InfoPicture::Kind picture;
    const char* pictureName;
};

// One entry per screen, in the order of InfoScreen::Screen.
constexpr std::array<ScreenText, InfoScreen::kScreenCount> kScreens{{
    {"About Kelvory", "Kelvory %1",
     "<p>Version %1</p>"
     "<p>A three-reel slot machine for the desktop, played with credits the "
     "house lends you. Clovers are wild: a clover anywhere on a reel completes "
     "any line, and clovers on the payline multiply your win.</p>"
     "<p>Copyright &copy; the Kelvory developers.<br>"
     "Released under the MIT licence: you may use, copy, change and share it "
     "freely. It comes without any warranty.</p>",
     InfoPicture::Machine, "A slot machine showing three clovers"},
    {"Special Offer", "Today's special: a lucky clover on every reel",
     "<p>Every reel of this machine carries a four-leaf clover, and a clover "
     "pays wherever you see it.</p>"
     "<p>Bet two credits and every prize is doubled, and the top prize is four "
     "times as large: 10,000 credits for three clovers on the payline.</p>"
     "<p>The offer never ends and costs nothing: Kelvory is played with "
     "pretend credits only.</p>",
     InfoPicture::Offer, "A golden badge with a clover, marked x2"},
    {"Secure Online Orders", "Nothing to order, nothing to pay",
     "<p>Kelvory never asks for money, card numbers or passwords, and it never "
     "connects to the network.</p>"
     "<p>Your credits are play credits. When they run short, the house lends you "
     "more from the Borrow menu, and you pay them back whenever you like.</p>"
     "<p>Everything stays on your computer.</p>",
     InfoPicture::Padlock, "A padlock with a clover"},
    {"Catalog", "The Kelvory catalog",
     "<ul>"
     "<li>Three reels of sevens, bars and lucky clovers</li>"
     "<li>An eight-row pay table with prizes up to 10,000 credits</li>"
     "<li>Four spin speeds and auto-spin</li>"
     "<li>Eight slots for saved games</li>"
     "<li>Six sounds, two of them replaceable with your own</li>"
     "<li>Borrowing in chips from 1,000 credits down to 1 cent</li>"
     "<li>Three window sizes, up to the full screen</li>"
     "</ul>"
     "<p>Everything in this catalog is already installed.</p>",
     InfoPicture::Symbols, "A seven, bars and a clover on reel cells"},
    {"Free CD!", "Your free copy is already here",
     "<p>No disc needed: Kelvory is free software.</p>"
     "<p>Copy it, share it with your friends, or burn it onto a disc of your "
     "own if you like, under the terms of the MIT licence.</p>"
     "<p>No shipping, no waiting.</p>",
     InfoPicture::Disc, "A disc with a clover on its label"},
}};

const ScreenText& TextOf(int screen) {
    return kScreens[static_cast<std::size_t>(
        (screen >= 0 && screen < InfoScreen::kScreenCount) ? screen : InfoScreen::About)];
}

QString WithVersion(const char* text) {
    QString result = QString::fromUtf8(text);
    return result.contains(QLatin1String("%1")) ? result.arg(QStringLiteral(KELVORY_VERSION))
                                                : result;
}

} // namespace

QString InfoScreen::Caption(int screen) {
    return QString::fromUtf8(TextOf(screen).caption);
}

QString InfoScreen::Heading(int screen) {
    return WithVersion(TextOf(screen).heading);
}

QString InfoScreen::Body(int screen) {
    return WithVersion(TextOf(screen).body);
}

InfoScreen::InfoScreen(int screen, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Caption(screen));
    setAccessibleName(Caption(screen));

    picture_ = new InfoPicture(TextOf(screen).picture, this);
    picture_->setAccessibleName(QString::fromUtf8(TextOf(screen).pictureName));

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
    // Screen readers get the words, not the markup.
    QTextDocument plain;
    plain.setHtml(body_->text());
    body_->setAccessibleDescription(plain.toPlainText());

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
