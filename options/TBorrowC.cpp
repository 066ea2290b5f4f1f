// SPDX-License-Identifier: MIT
#include "options/TBorrowC.h"

#include "game/GameState.h"
#include "options/BorrowRule.h"
#include "options/ChipPictures.h"
#include "view/DialogKit.h"
#include "view/HelpContext.h"
#include "view/LedText.h"
#include "view/Pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace kelvory {

const char* const TBorrowC::kHelpText =
    "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
    "Click on the button representing the amount to borrow (or pay back).\n\n"
    "To switch between \"borrow\" and \"pay back\" select the mode.";

TBorrowC::TBorrowC(GameState& state, std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent), state_(state), showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("TBorrowC"));
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(582, 300);
    setFont(DialogKit::FormFont(13, DialogKit::FontSize::Pixels));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(442, 246, 127, 46);
    OKBtn->setIcon(ChipPictures::OkGlyph());
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    constexpr int kChipLeft[6] = {9, 105, 201, 297, 393, 489};
    for (int chip = 0; chip < 6; ++chip) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(chip + 1));
        button->setGeometry(kChipLeft[chip], 104, 80, 57);
        button->setIcon(QIcon(QPixmap::fromImage(ChipPictures::Chip(chip))));
        button->setIconSize(QSize(ChipPictures::kWidth, ChipPictures::kHeight));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, chip] { ChipClick(chip); });
        ChipButtons[static_cast<std::size_t>(chip)] = button;
    }

    Label1 = new QLabel(QStringLiteral("Mode:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(56, 192, 54, 24);
    Label1->setFont(DialogKit::FormFont(19, DialogKit::FontSize::Pixels));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);
    Label1->resize(Label1->sizeHint().expandedTo(Label1->size()));

    RadioButton1 = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(147, 192, 190, 33);
    RadioButton1->setFont(DialogKit::FormFont(16, DialogKit::FontSize::Pixels));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(355, 192, 190, 33);
    RadioButton2->setFont(DialogKit::FormFont(16, DialogKit::FontSize::Pixels));

    BitBtn7 = new QPushButton(QStringLiteral("&Help"), this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(10, 246, 127, 46);
    BitBtn7->setIcon(ChipPictures::HelpGlyph());
    BitBtn7->setAutoDefault(false);
    connect(BitBtn7, &QPushButton::clicked, this, &TBorrowC::BitBtn7Click);

    // Tab order: OK, the six chips, the mode, Help.
    QWidget* previous = OKBtn;
    for (QPushButton* button : ChipButtons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, BitBtn7);
}

void TBorrowC::ChipClick(int chip) {
    const bool borrow = RadioButton1->isChecked();
    const BorrowRule::Result result = BorrowRule::Apply(state_, chip, borrow);
    if (result != BorrowRule::Result::Done) {
        DialogKit::ShowInformation(this, QString::fromStdString(BorrowRule::Message(chip, result)));
        return;
    }
    update();
}

void TBorrowC::BitBtn7Click() {
    DialogKit::ShowInformation(this, QString::fromUtf8(kHelpText));
}

void TBorrowC::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    QFont font = p.font();
    font.setPointSize(10);
    p.setFont(font);
    p.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(font);
    // Labels are placed by their top edge, as the totals below them.
    const int top = 20 + metrics.ascent();
    // The outer width is the client width plus a 3-pixel frame on each side.
    const int outerWidth = width() + 6;
    const QString credits = QStringLiteral("Credits:");
    p.drawText(outerWidth - 20 - metrics.horizontalAdvance(credits), top, credits);
    LedText::DrawLedText(p, Pictures::Digits(Pictures::RatioOf(p)),
                         QString::fromStdString(BorrowRule::FormatTotal(state_.Credits)),
                         width() - 30, 40, false, LedText::Green);
    p.drawText(20, top, QStringLiteral("Borrowed:"));
    LedText::DrawLedText(p, Pictures::Digits(Pictures::RatioOf(p)),
                         QString::fromStdString(BorrowRule::FormatTotal(state_.Borrowed)), 20, 40,
                         true, LedText::Red);
}

void TBorrowC::keyPressEvent(QKeyEvent* event) {
    if (DialogKit::HandleHelpKey(event, showHelp_, HelpContext::Borrowing)) {
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kelvory
