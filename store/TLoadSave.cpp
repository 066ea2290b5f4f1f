// SPDX-License-Identifier: MIT
#include "store/TLoadSave.h"

#include "game/GameState.h"
#include "store/MoneyText.h"
#include "store/ProfileWriteError.h"
#include "store/WriteErrorBox.h"
#include "view/DialogKit.h"
#include "view/HelpContext.h"

#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
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
constexpr const char* kSlotButtonNames[] = {"OKBtn",   "BitBtn1", "BitBtn2", "BitBtn3",
                                            "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7"};

QString Numbered(const char* stem, int slot) {
    return QLatin1String(stem) + QString::number(slot);
}

} // namespace

TLoadSave::TLoadSave(GameState& state, SlotModeKind slotMode, const std::string& iniPath,
                     std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state), SlotMode_(slotMode), iniPath_(iniPath), showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("LoadSave"));
    setModal(true);
    setFont(DialogKit::FormFont(8, DialogKit::FontSize::Points, DialogKit::FontWeight::Bold));
    setFixedSize(kClientWidth, kClientHeight);
    BuildControls();
    FormCreate();
}

QString TLoadSave::DateText(const QDate& date) {
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

QString TLoadSave::DisplayMoney(double value) {
    QString text = QString::fromStdString(MoneyToStr(value));
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return text;
}

void TLoadSave::BuildControls() {
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(0, 8, 617, 297);
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
    HelpBtn = makeButton("HelpBtn", QStringLiteral("&Help"), QStyle::SP_DialogHelpButton, 8);
    CancelBtn =
        makeButton("CancelBtn", QStringLiteral("&Cancel"), QStyle::SP_DialogCancelButton, 508);
    connect(HelpBtn, &QPushButton::clicked, this, &TLoadSave::HelpBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TLoadSave::BuildPanel(int index) {
    const int slot = index + 1;
    auto* panel = new QFrame(this);
    panel->setObjectName(Numbered("Panel", slot));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(index < kPanelsPerColumn ? 16 : 312, 16 + 72 * (index % kPanelsPerColumn),
                       kPanelWidth, kPanelHeight);
    panel->setFont(
        DialogKit::FormFont(8, DialogKit::FontSize::Points, DialogKit::FontWeight::Normal));
    Panel[index] = panel;

    auto* name = new QLineEdit(panel);
    name->setObjectName(Numbered("Name", slot));
    name->setFrame(false);
    name->setGeometry(8, 8, 233, 20);
    QPalette palette = name->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, Qt::black);
    name->setPalette(palette);
    Name[index] = name;

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
    Game[index] = makeLabel("Game", QRect(8, 28, 129, 13), Qt::AlignLeft);
    date[index] = makeLabel("date", QRect(168, 28, 57, 13), Qt::AlignRight);
    credits[index] = makeLabel("credits", QRect(8, 48, 105, 13), Qt::AlignLeft);
    borrowed[index] = makeLabel("borrowed", QRect(112, 48, 113, 13), Qt::AlignRight);

    auto* button = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                   QStringLiteral("OK"), panel);
    button->setObjectName(QLatin1String(kSlotButtonNames[index]));
    button->setGeometry(232, 16, 49, 37);
    button->setAutoDefault(false);
    button->setProperty("tag", slot);
    connect(button, &QPushButton::clicked, this, &TLoadSave::BitBtn7Click);
    // Enter in a name field chooses that slot.
    connect(name, &QLineEdit::returnPressed, button, &QPushButton::click);
    SlotButton[index] = button;
}

void TLoadSave::FormCreate() {
    today_ = DateText(QDate::currentDate()).toStdString();
    SavedSlots_ = SlotsFile::ReadAll(iniPath_, today_);
}

void TLoadSave::FormShow() {
    setWindowTitle(SlotMode_ == Save ? QStringLiteral("Save a Game -- Select Game Slot")
                                     : QStringLiteral("Open a Game -- Select Game Slot"));
    for (std::size_t i = 0; i < SavedSlots_.size(); ++i) {
        const SlotsFile::SavedSlot& saved = SavedSlots_[i];
        Name[i]->setText(QString::fromStdString(saved.Name));
        Name[i]->setCursorPosition(0);
        credits[i]->setText(DisplayMoney(saved.Credits) + QStringLiteral(" credits"));
        borrowed[i]->setText(DisplayMoney(saved.Borrowed) + QStringLiteral(" borrowed"));
        Game[i]->setText(QLatin1String(kGameTitle));
        date[i]->setText(QString::fromStdString(saved.Date));
    }
}

void TLoadSave::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void TLoadSave::keyPressEvent(QKeyEvent* event) {
    if (DialogKit::HandleHelpKey(event, showHelp_, HelpContext::SavedGames)) {
        return;
    }
    QDialog::keyPressEvent(event);
}

void TLoadSave::HelpBtnClick() {
    if (showHelp_) {
        showHelp_(HelpContext::SavedGames);
    }
}

void TLoadSave::BitBtn7Click() {
    const QObject* button = sender();
    const int slot = button != nullptr ? button->property("tag").toInt() : 0;
    if (slot >= 1 && slot <= SlotsFile::kSlotCount) {
        ChooseSlot(slot);
    }
    accept();
}

bool TLoadSave::AskName(QString& name) {
    QInputDialog box(this);
    box.setWindowTitle(QStringLiteral("Name for this saved game?"));
    box.setLabelText(QString());
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(name);
    if (auto* edit = box.findChild<QLineEdit*>()) {
        edit->setMaxLength(kMaxTextLength);
        edit->setText(name.left(kMaxTextLength));
        edit->selectAll();
    }
    if (box.exec() != QDialog::Accepted) {
        return false;
    }
    name = box.textValue();
    return true;
}

void TLoadSave::ChooseSlot(int slot) {
    SlotsFile::SavedSlot& saved = SavedSlots_[static_cast<std::size_t>(slot - 1)];
    if (SlotMode_ == Open) {
        state_.Credits = saved.Credits;
        state_.Borrowed = saved.Borrowed;
        return;
    }
    QString name = Name[static_cast<std::size_t>(slot - 1)]->text();
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

void TLoadSave::WriteSlot(int slot, const QString& name) {
    today_ = DateText(QDate::currentDate()).toStdString();
    SlotsFile::WriteSlot(iniPath_, slot, name.toStdString(), today_, state_.Credits,
                         state_.Borrowed);
}

} // namespace kelvory
