// SPDX-License-Identifier: MIT
#include "app/TSlots.h"

#include "app/ProgramDir.h"
#include "game/SpinSpeeds.h"
#include "options/SdlSoundPlayer.h"
#include "options/SoundEvents.h"
#include "view/DialogKit.h"
#include "view/FullScreenSwitch.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"
#include "view/WindowSizeKeeper.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>

namespace kelvory {

TSlots::TSlots(const QString& programDir, QWidget* parent) : QMainWindow(parent) {
    // The folder stays the file system's bytes: sound paths are built from it.
    ProgramDir_ =
        programDir.isEmpty() ? ProgramDir::Find() : QFile::encodeName(programDir).toStdString();
    if (ProgramDir_.empty()) {
        ProgramDir_ = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    if (!ProgramDir_.ends_with('/')) {
        ProgramDir_ += '/';
    }
    FormCreate();
}

TSlots::~TSlots() = default;

QString TSlots::ProgramDirText() const {
    return QFile::decodeName(QByteArray::fromStdString(ProgramDir_));
}

QPushButton* TSlots::BetOneButton() const {
    return canvas_->BitBtn1;
}
QPushButton* TSlots::BetTwoButton() const {
    return canvas_->BitBtn2;
}
QPushButton* TSlots::SpinButton() const {
    return canvas_->Button1;
}

void TSlots::FormCreate() {
    setWindowTitle(QStringLiteral("Kelvory"));
    setUpdatesEnabled(false);
    menu_.Build(menuBar());
    HelpFile_ = ProgramDirText() + QStringLiteral("kelvory-help.html");

    canvas_ = new SlotCanvas(GameState_, ProgramDirText(), this);
    setCentralWidget(canvas_);
    new WindowSizeKeeper(this, canvas_, canvas_->sizeHint());
    new FullScreenSwitch(this, menu_.FullScreen1);
    pump_ = std::make_unique<QtEventPump>(clock_);
    LoadSoundImages();
    CreateSounds();
    CreateEngine(random_);

    connect(canvas_->BitBtn1, &QPushButton::clicked, this, &TSlots::BitBtn1Click);
    connect(canvas_->BitBtn2, &QPushButton::clicked, this, &TSlots::BitBtn2Click);
    connect(canvas_->Button1, &QPushButton::clicked, this, &TSlots::Button1Click);
    ConnectMenu();

    GameState_.CloverMultiplier = 0;
    GameState_.AutoSpinOn = false;
    GameState_.Spinning = false;
    GameState_.PayValues = kPayValues;
    GameState_.ReelStops = kStartReelStops;
    GameState_.Credits = kStartCredits;
    GameState_.Borrowed = GameState_.Credits;
    GameState_.Speed = kSpinSpeeds[0].TickMs;
    GameState_.BetInPlay = 0;
    GameState_.Spins = 0;
    GameState_.RestoreDefaultSounds(ProgramDir_);
    LoadSaveSettings(false);
    UpdateCheckMarks();
    SetUpTerminationSignals();
    canvas_->Button1->setFocus(); // Enter spins from the start
    setUpdatesEnabled(true);
}

void TSlots::ConnectMenu() {
    ConnectFileMenu();
    ConnectOptionsMenu();
    ConnectHelpMenu();
    const auto speedActions = menu_.SpeedActions();
    for (std::size_t i = 0; i < speedActions.size(); ++i) {
        const int tickMs = kSpinSpeeds[i].TickMs;
        connect(speedActions[i], &QAction::triggered, this, [this, tickMs] { SpeedClick(tickMs); });
    }
    connect(menu_.On2, &QAction::triggered, this, &TSlots::On2Click);
}

void TSlots::UpdateCheckMarks() {
    const auto speedActions = menu_.SpeedActions();
    for (std::size_t i = 0; i < speedActions.size(); ++i) {
        speedActions[i]->setChecked(GameState_.Speed == kSpinSpeeds[i].TickMs);
    }
    menu_.On1->setChecked(GameState_.Sound);
    menu_.CoinSound1->setChecked(GameState_.sndCoins);
    menu_.CreditSound1->setChecked(GameState_.sndCredits);
    menu_.LoseSound1->setChecked(GameState_.sndLose);
    menu_.SpinSound1->setChecked(GameState_.sndSpin);
    menu_.StopSound1->setChecked(GameState_.sndStop);
    menu_.WinSound1->setChecked(GameState_.sndWin);
    menu_.On2->setChecked(GameState_.AutoSpinOn);
}

void TSlots::ShowInformation(const std::string& text) {
    DialogKit::ShowInformation(this, QString::fromStdString(text));
}

void TSlots::FocusSpinButton() {
    canvas_->Button1->setFocus();
}

void TSlots::Button1Click() {
    engine_->Button1Click();
}
void TSlots::BitBtn1Click() {
    engine_->BitBtn1Click();
}
void TSlots::BitBtn2Click() {
    engine_->BitBtn2Click();
}

void TSlots::AutoSpinTimer() {
    timers_.AutoSpin.stop();
    engine_->AutoSpinTimer();
}

void TSlots::FlashTimeTimer() {
    engine_->FlashTimeTimer();
}

void TSlots::On2Click() {
    engine_->On2Click();
    UpdateCheckMarks();
}

void TSlots::SpeedClick(int tickMs) {
    engine_->SetSpeed(tickMs);
    UpdateCheckMarks();
}

void TSlots::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused != nullptr ? focused : canvas_->Button1)->animateClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace kelvory
