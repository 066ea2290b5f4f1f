// Options and Borrow menus of the main window: the sound switches, the sound
// dialog and the borrow dialog.
#include "TSlots.h"

#include "SlotCanvas.h"
#include "Sounds.h"

namespace kelvory {

namespace {
class SilentSounds : public Sounds {
  public:
    void PlayStopSound() override {}
    void PlaySpinSound() override {}
    void PlayCoinSound() override {}
    void PlayCreditSound() override {}
    void PlayWinSound() override {}
    void PlayLoseSound() override {}
};
} // namespace

void TSlots::ConnectOptionsMenu() {
    const auto toggle = [this](QAction* action, bool GameState::*field) {
        connect(action, &QAction::triggered, this, [this, field] { ToggleSound(field); });
    };
    toggle(menu_.On1, &GameState::Sound);
    toggle(menu_.CoinSound1, &GameState::sndCoins);
    toggle(menu_.CreditSound1, &GameState::sndCredits);
    toggle(menu_.LoseSound1, &GameState::sndLose);
    toggle(menu_.SpinSound1, &GameState::sndSpin);
    toggle(menu_.StopSound1, &GameState::sndStop);
    toggle(menu_.WinSound1, &GameState::sndWin);
    connect(menu_.ChangeSounds1, &QAction::triggered, this, &TSlots::ChangeSounds1Click);
    connect(menu_.Borrow1, &QAction::triggered, this, &TSlots::Borrow1Click);
}

void TSlots::LoadSoundImages() {}

std::unique_ptr<Sounds> TSlots::CreateSounds() { return std::make_unique<SilentSounds>(); }

void TSlots::ToggleSound(bool GameState::*field) {
    GameState_.*field = !(GameState_.*field);
    UpdateCheckMarks();
}

void TSlots::ChangeSounds1Click() {}

void TSlots::Borrow1Click() { canvas_->RepaintAll(); }

} // namespace kelvory
