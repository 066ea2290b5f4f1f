// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"

#include "app/ProgramDir.h"
#include "app/WindowActivation.h"
#include "app/dialogs/DialogKit.h"
#include "app/dialogs/ErrorBox.h"
#include "game/SpinSpeeds.h"
#include "options/SdlSoundPlayer.h"
#include "options/SoundEvents.h"
#include "view/FullScreenSwitch.h"
#include "view/MachineReadout.h"
#include "view/QtEventPump.h"
#include "view/SlotCanvas.h"
#include "view/SlotMachineAccessible.h"
#include "view/WindowSizeKeeper.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

namespace kelvory {

MainWindow::MainWindow(const QString& programDir, RandomSource* random, QWidget* parent)
    : QMainWindow(parent) {
    if (random != nullptr) {
        random_ = random;
    }
    // The folder stays the file system's bytes: sound paths are built from it.
    programDir_ =
        programDir.isEmpty() ? ProgramDir::Find() : QFile::encodeName(programDir).toStdString();
    if (programDir_.empty()) {
        programDir_ = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    if (!programDir_.ends_with('/')) {
        programDir_ += '/';
    }
    setWindowTitle(QStringLiteral("Kelvory"));
    setUpdatesEnabled(false);
    // Before any box can show: a signal while one is up still saves and ends.
    SetUpTerminationSignals();
    menu_.Build(menuBar());
    helpFile_ = programDir_ + "kelvory-help.html";

    canvas_ = new SlotCanvas(state_, programDir_, this);
    setCentralWidget(canvas_);
    SlotMachineAccessible::InstallFactory();
    readout_ = new MachineReadout(*canvas_, state_, canvas_);
    connect(canvas_, &SlotCanvas::artworkFailed, this,
            [this](const QString& message) { ErrorBox::Show(this, message); });
    new WindowSizeKeeper(this, canvas_, canvas_->sizeHint());
    fullScreen_ = new FullScreenSwitch(this, menu_.FullScreenItem);
    pump_ = std::make_unique<QtEventPump>(clock_);
    LoadSoundImages();
    CreateSounds();
    CreateEngine();

    connect(canvas_->BetOneButton(), &QPushButton::clicked, this, &MainWindow::BetOne);
    connect(canvas_->BetTwoButton(), &QPushButton::clicked, this, &MainWindow::BetTwo);
    connect(canvas_->SpinButton(), &QPushButton::clicked, this, &MainWindow::Spin);
    ConnectMenu();

    // The state starts with its own start values; the sounds live beside the
    // program.
    state_.RestoreDefaultSounds(programDir_);
    LoadSettings();
    UpdateCheckMarks();
    canvas_->SpinButton()->setFocus(); // Enter spins from the start
    setUpdatesEnabled(true);
    started_ = true;
    if (terminating_) {
        // A signal came during start-up: the session ends from the event loop.
        QMetaObject::invokeMethod(this, &MainWindow::Terminate, Qt::QueuedConnection);
    }
}

MainWindow::~MainWindow() = default;

QPushButton* MainWindow::BetOneButton() const {
    return canvas_->BetOneButton();
}
QPushButton* MainWindow::BetTwoButton() const {
    return canvas_->BetTwoButton();
}
QPushButton* MainWindow::SpinButton() const {
    return canvas_->SpinButton();
}

void MainWindow::ConnectMenu() {
    ConnectFileMenu();
    ConnectOptionsMenu();
    ConnectHelpMenu();
    const auto speedActions = menu_.SpeedActions();
    for (std::size_t i = 0; i < speedActions.size(); ++i) {
        const int tickMs = kSpinSpeeds[i].TickMs;
        connect(speedActions[i], &QAction::triggered, this,
                [this, tickMs] { ChooseSpeed(tickMs); });
    }
    connect(menu_.AutoSpinItem, &QAction::triggered, this, &MainWindow::ToggleAutoSpin);
}

void MainWindow::UpdateCheckMarks() {
    const auto speedActions = menu_.SpeedActions();
    for (std::size_t i = 0; i < speedActions.size(); ++i) {
        speedActions[i]->setChecked(state_.Speed == kSpinSpeeds[i].TickMs);
    }
    menu_.SoundOnItem->setChecked(state_.Sound);
    menu_.CoinSoundItem->setChecked(state_.sndCoins);
    menu_.CreditSoundItem->setChecked(state_.sndCredits);
    menu_.LoseSoundItem->setChecked(state_.sndLose);
    menu_.SpinSoundItem->setChecked(state_.sndSpin);
    menu_.StopSoundItem->setChecked(state_.sndStop);
    menu_.WinSoundItem->setChecked(state_.sndWin);
    menu_.AutoSpinItem->setChecked(state_.AutoSpinOn);
}

void MainWindow::BringForward() {
    WindowActivation::Activate(this);
    if (QWidget* modal = QApplication::activeModalWidget()) {
        WindowActivation::Activate(modal);
    }
}

void MainWindow::ShowInformation(const std::string& text) {
    DialogKit::ShowInformation(this, QString::fromStdString(text));
}

void MainWindow::FocusSpinButton() {
    canvas_->SpinButton()->setFocus();
}

void MainWindow::Spin() {
    engine_->Spin();
}
void MainWindow::BetOne() {
    engine_->BetOne();
}
void MainWindow::BetTwo() {
    engine_->BetTwo();
}

void MainWindow::AutoSpinDue() {
    timers_.AutoSpinTimer.stop();
    engine_->AutoSpinDue();
}

void MainWindow::FlashWinningRow() {
    engine_->FlashWinningRow();
}

void MainWindow::ToggleAutoSpin() {
    engine_->ToggleAutoSpin();
    UpdateCheckMarks();
}

void MainWindow::ChooseSpeed(int tickMs) {
    engine_->SetSpeed(tickMs);
    UpdateCheckMarks();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused != nullptr ? focused : canvas_->SpinButton())->animateClick();
        return;
    }
    // M switches all sound off and on, as the Sound menu's "On" does.
    if (event->key() == Qt::Key_M && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        menu_.SoundOnItem->trigger();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace kelvory
