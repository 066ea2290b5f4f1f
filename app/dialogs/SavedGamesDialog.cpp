// SPDX-License-Identifier: MIT
#include "app/dialogs/SavedGamesDialog.h"

#include "app/dialogs/DialogKit.h"
#include "app/dialogs/HelpContext.h"
#include "app/dialogs/WriteErrorBox.h"
#include "game/GameState.h"
#include "store/MoneyText.h"
#include "store/ProfileWriteError.h"
#include "view/Fonts.h"
#include "view/WindowPlacement.h"

#include <QDate>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

#include <charconv>

namespace kelvory {

namespace {

constexpr int kClientWidth = 616;
constexpr int kClientHeight = 360;
constexpr int kPanelWidth = 289;
constexpr int kPanelHeight = 65;
constexpr int kPanelsPerColumn = 4;
constexpr char kGameTitle[] = "Kelvory";

QString Numbered(const char* stem, int slot) {
    return QLatin1String(stem) + QString::number(slot);
}

} // namespace

SavedGamesDialog::SavedGamesDialog(GameState& state, Mode slotMode, const std::string& iniPath,
                                   ShowHelpFunction showHelp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state), mode_(slotMode), iniPath_(iniPath), showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("LoadSave"));
    setModal(true);
    setFont(Fonts::Dialog(8, Fonts::Size::Points, Fonts::Weight::Bold));
    setFixedSize(kClientWidth, kClientHeight);
    BuildControls();
    ReadSlots();
}

QString SavedGamesDialog::DateText(const QDate& date) {
    // The separator is the first character of the short date format that is
    // neither a field letter nor a quote.
    QChar separator = QLatin1Char('/');
    for (const QChar c : QLocale::system().dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('\'') && !c.isSpace()) {
            separator = c;
            break;
        }
    }
    const auto twoDigits = [](int n) {
        return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0'));
    };
    return twoDigits(date.month()) + separator + twoDigits(date.day()) + separator +
           twoDigits(date.year());
}

QString SavedGamesDialog::DisplayMoney(double value) {
    QString text = QString::fromStdString(FormatMoney(value));
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return text;
}

void SavedGamesDialog::BuildControls() {
    Frame = new QFrame(this);
    Frame->setObjectName(QStringLiteral("Frame"));
    Frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame->setGeometry(0, 8, 617, 297);
    for (int i = 0; i < SlotsFile::kSlotCount; ++i) {
        BuildPanel(i);
    }
    const auto makeButton = [this](const char* name, const QString& caption,
                                   QStyle::StandardPixmap icon, int x) {
        auto* button = new QPushButton(style()->standardIcon(icon), caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(x, 316, 97, 37);
        button->setAutoDefault(false);
        return button;
    };
    HelpButton = makeButton("helpButton", QStringLiteral("&Help"), QStyle::SP_DialogHelpButton, 8);
    CancelButton =
        makeButton("cancelButton", QStringLiteral("&Cancel"), QStyle::SP_DialogCancelButton, 508);
    DialogKit::ConnectHelpButton(HelpButton, showHelp_, HelpContext::SavedGames);
    DialogKit::AddHelpKey(this, showHelp_, HelpContext::SavedGames);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SavedGamesDialog::BuildPanel(int index) {
    const int slot = index + 1;
    auto* panel = new QFrame(this);
    panel->setObjectName(Numbered("slotPanel", slot));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(index < kPanelsPerColumn ? 16 : 312, 16 + 72 * (index % kPanelsPerColumn),
                       kPanelWidth, kPanelHeight);
    panel->setFont(Fonts::Dialog(8, Fonts::Size::Points, Fonts::Weight::Normal));
    SlotPanels[index] = panel;

    auto* name = new QLineEdit(panel);
    name->setObjectName(Numbered("slotName", slot));
    name->setFrame(false);
    name->setGeometry(8, 8, 233, 20);
    QPalette palette = name->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, Qt::black);
    name->setPalette(palette);
    name->setAccessibleName(QStringLiteral("Slot %1 name").arg(slot));
    SlotNames[index] = name;

    const auto makeLabel = [panel, slot](const char* stem, QRect geometry, Qt::Alignment align) {
        auto* label = new QLabel(panel);
        label->setObjectName(Numbered(stem, slot));
        label->setGeometry(geometry);
        label->setAlignment(align | Qt::AlignVCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        return label;
    };
    SlotTitles[index] = makeLabel("slotTitle", QRect(8, 28, 129, 13), Qt::AlignLeft);
    SlotDates[index] = makeLabel("slotDate", QRect(168, 28, 57, 13), Qt::AlignRight);
    SlotCredits[index] = makeLabel("slotCredits", QRect(8, 48, 105, 13), Qt::AlignLeft);
    SlotBorrowed[index] = makeLabel("slotBorrowed", QRect(112, 48, 113, 13), Qt::AlignRight);

    auto* button = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                   QStringLiteral("OK"), panel);
    button->setObjectName(Numbered("slotButton", slot));
    button->setGeometry(232, 16, 49, 37);
    button->setAutoDefault(false);
    button->setProperty("tag", slot);
    button->setAccessibleName(
        (mode_ == Open ? QStringLiteral("Open slot %1") : QStringLiteral("Save into slot %1"))
            .arg(slot));
    connect(button, &QPushButton::clicked, this, &SavedGamesDialog::SlotButtonClicked);
    // Enter in a name field chooses that slot.
    connect(name, &QLineEdit::returnPressed, button, &QPushButton::click);
    SlotButtons[index] = button;
}

void SavedGamesDialog::ReadSlots() {
    today_ = DateText(QDate::currentDate()).toStdString();
    savedSlots_ = SlotsFile::ReadAll(iniPath_, today_);
}

void SavedGamesDialog::ShowSlots() {
    setWindowTitle(mode_ == Save ? QStringLiteral("Save a Game -- Select Game Slot")
                                 : QStringLiteral("Open a Game -- Select Game Slot"));
    for (std::size_t i = 0; i < savedSlots_.size(); ++i) {
        const SlotsFile::SavedSlot& saved = savedSlots_[i];
        SlotNames[i]->setText(QString::fromStdString(saved.Name));
        SlotNames[i]->setCursorPosition(0);
        SlotCredits[i]->setText(DisplayMoney(saved.Credits) + QStringLiteral(" credits"));
        SlotBorrowed[i]->setText(DisplayMoney(saved.Borrowed) + QStringLiteral(" borrowed"));
        SlotTitles[i]->setText(QLatin1String(kGameTitle));
        SlotDates[i]->setText(QString::fromStdString(saved.Date));
        // What the panel shows, for a screen reader on the slot's button.
        SlotButtons[i]->setAccessibleDescription(
            QStringLiteral("%1, %2, %3, %4")
                .arg(SlotNames[i]->text(), SlotDates[i]->text(), SlotCredits[i]->text(),
                     SlotBorrowed[i]->text()));
    }
}

void SavedGamesDialog::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        ShowSlots();
        WindowPlacement::CentreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void SavedGamesDialog::SlotButtonClicked() {
    const QObject* button = sender();
    const int slot = button != nullptr ? button->property("tag").toInt() : 0;
    if (slot >= 1 && slot <= SlotsFile::kSlotCount) {
        ChooseSlot(slot);
    }
    accept();
}

bool SavedGamesDialog::AskName(QString& name) {
    QInputDialog box(this);
    box.setWindowTitle(QStringLiteral("Name for this saved game?"));
    box.setLabelText(QString());
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(name);
    if (auto* edit = box.findChild<QLineEdit*>()) {
        edit->setMaxLength(kMaxTextLength);
        edit->setText(name.left(kMaxTextLength));
        edit->selectAll();
        // The question shows in the title bar alone, which the window manager
        // cuts to the box's width: the field makes the box wide enough for it
        // in a bold title font, with room for the bar's icon and buttons.
        QFont titleFont = box.font();
        titleFont.setBold(true);
        constexpr int kTitleBarButtonsWidth = 100;
        edit->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) +
                              kTitleBarButtonsWidth);
    }
    if (box.exec() != QDialog::Accepted) {
        return false;
    }
    name = box.textValue();
    return true;
}

void SavedGamesDialog::ChooseSlot(int slot) {
    SlotsFile::SavedSlot& saved = savedSlots_[static_cast<std::size_t>(slot - 1)];
    if (mode_ == Open) {
        state_.Credits = saved.Credits;
        state_.Borrowed = saved.Borrowed;
        return;
    }
    QString name = SlotNames[static_cast<std::size_t>(slot - 1)]->text();
    if (!AskName(name)) {
        return;
    }
    saved.Credits = state_.Credits;
    saved.Borrowed = state_.Borrowed;
    saved.Date = today_;
    saved.Name = name.left(static_cast<int>(SlotsFile::kMaxNameLength)).toStdString();
    try {
        WriteSlot(slot, name);
    } catch (const ProfileWriteError& error) {
        WriteErrorBox::Show(this, error);
    }
}

void SavedGamesDialog::WriteSlot(int slot, const QString& name) {
    today_ = DateText(QDate::currentDate()).toStdString();
    SlotsFile::WriteSlot(iniPath_, slot, name.toStdString(), today_, state_.Credits,
                         state_.Borrowed);
}

} // namespace kelvory
