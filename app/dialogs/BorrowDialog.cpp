// SPDX-License-Identifier: MIT
#include "app/dialogs/BorrowDialog.h"

#include "app/dialogs/ChipPictures.h"
#include "app/dialogs/DialogKit.h"
#include "app/dialogs/HelpContext.h"
#include "game/GameState.h"
#include "options/BorrowRule.h"
#include "view/Fonts.h"
#include "view/LedText.h"
#include "view/MeterPainter.h"
#include "view/Pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace kelvory {

const char* const BorrowDialog::kHelpText =
    "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
    "Click on the button representing the amount to borrow (or pay back).\n\n"
    "To switch between \"borrow\" and \"pay back\" select the mode.";

BorrowDialog::BorrowDialog(GameState& state, ShowHelpFunction showHelp, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("BorrowDialog"));
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(582, 300);
    setFont(Fonts::Dialog(13, Fonts::Size::Pixels));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setObjectName(QStringLiteral("okButton"));
    OkButton->setGeometry(442, 246, 127, 46);
    OkButton->setIcon(ChipPictures::OkGlyph());
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    constexpr int kChipLeft[6] = {9, 105, 201, 297, 393, 489};
    for (int chip = 0; chip < 6; ++chip) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("chip%1Button").arg(chip + 1));
        button->setGeometry(kChipLeft[chip], 104, 80, 57);
        button->setIcon(ChipPictures::ChipIcon(chip));
        button->setIconSize(QSize(ChipPictures::kWidth, ChipPictures::kHeight));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, chip] { MoveChip(chip); });
        ChipButtons[static_cast<std::size_t>(chip)] = button;
    }

    ModeLabel = new QLabel(QStringLiteral("Mode:"), this);
    ModeLabel->setObjectName(QStringLiteral("modeLabel"));
    ModeLabel->setGeometry(56, 192, 54, 24);
    ModeLabel->setFont(Fonts::Dialog(19, Fonts::Size::Pixels));
    QPalette red = ModeLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ModeLabel->setPalette(red);
    ModeLabel->resize(ModeLabel->sizeHint().expandedTo(ModeLabel->size()));

    BorrowMode = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    BorrowMode->setObjectName(QStringLiteral("borrowMode"));
    BorrowMode->setGeometry(147, 192, 190, 33);
    BorrowMode->setFont(Fonts::Dialog(16, Fonts::Size::Pixels));
    BorrowMode->setChecked(true);
    PayBackMode = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    PayBackMode->setObjectName(QStringLiteral("payBackMode"));
    PayBackMode->setGeometry(355, 192, 190, 33);
    PayBackMode->setFont(Fonts::Dialog(16, Fonts::Size::Pixels));

    CreditsReading = new QLabel(this);
    CreditsReading->setObjectName(QStringLiteral("creditsReading"));
    CreditsReading->setGeometry(width() - 180, 20, 170, 60);
    BorrowedReading = new QLabel(this);
    BorrowedReading->setObjectName(QStringLiteral("borrowedReading"));
    BorrowedReading->setGeometry(10, 20, 170, 60);
    connect(BorrowMode, &QRadioButton::toggled, this, &BorrowDialog::UpdateAccessibleNames);
    UpdateAccessibleNames();

    HelpButton = new QPushButton(QStringLiteral("&Help"), this);
    HelpButton->setObjectName(QStringLiteral("helpButton"));
    HelpButton->setGeometry(10, 246, 127, 46);
    HelpButton->setIcon(ChipPictures::HelpGlyph());
    HelpButton->setAutoDefault(false);
    connect(HelpButton, &QPushButton::clicked, this, &BorrowDialog::ShowHelpMessage);
    DialogKit::AddHelpKey(this, std::move(showHelp), HelpContext::Borrowing);

    // Tab order: OK, the six chips, the mode, Help.
    QWidget* previous = OkButton;
    for (QPushButton* button : ChipButtons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, BorrowMode);
    setTabOrder(BorrowMode, PayBackMode);
    setTabOrder(PayBackMode, HelpButton);
}

void BorrowDialog::MoveChip(int chip) {
    const bool borrow = BorrowMode->isChecked();
    const BorrowRule::Result result = BorrowRule::Apply(state_, chip, borrow);
    if (result != BorrowRule::Result::Done) {
        DialogKit::ShowInformation(this, QString::fromStdString(BorrowRule::Message(chip, result)));
        return;
    }
    update();
    UpdateAccessibleNames();
    emit moneyMoved();
}

void BorrowDialog::UpdateAccessibleNames() {
    static constexpr std::array<const char*, BorrowRule::kChipCount> kAmounts{
        "1000 credits", "100 credits", "10 credits", "1 credit", "10 cents", "1 cent"};
    const QString verb =
        BorrowMode->isChecked() ? QStringLiteral("Borrow ") : QStringLiteral("Pay back ");
    for (int chip = 0; chip < BorrowRule::kChipCount; ++chip) {
        ChipButtons[static_cast<std::size_t>(chip)]->setAccessibleName(
            verb + QLatin1String(kAmounts[static_cast<std::size_t>(chip)]));
    }
    const QLocale& locale = MeterPainter::MeterLocale();
    CreditsReading->setAccessibleName(QStringLiteral("Credits: ") +
                                      MeterPainter::MoneyText(locale, state_.Credits, true));
    BorrowedReading->setAccessibleName(QStringLiteral("Borrowed: ") +
                                       MeterPainter::MoneyText(locale, state_.Borrowed, true));
}

void BorrowDialog::ShowHelpMessage() {
    DialogKit::ShowInformation(this, QString::fromUtf8(kHelpText));
}

void BorrowDialog::paintEvent(QPaintEvent* event) {
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

} // namespace kelvory
