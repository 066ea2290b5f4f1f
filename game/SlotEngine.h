// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"
#include "game/Dialogs.h"
#include "game/Display.h"
#include "game/EventPump.h"
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "game/Sounds.h"
#include "game/Timers.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace kelvory {

// The game's flows as plain sequential code: betting, the spin cycle, win
// evaluation, the payout count-up, auto-spin and a new game. Pauses go through
// the event pump, so other handlers of the window run inside them.
//
// The state and its rules. There is one GameState; the window owns it. The
// engine writes the play (Credits, BetInPlay, LastBet, Spinning, Spins,
// ReelStops, VisibleCells, WinAmount, WinningRow, WinningRowLit,
// CloverMultiplier), and it
// alone derives VisibleCells from ReelStops. The view only reads the state.
// The menus and dialogs write what the player sets: Speed, AutoSpinOn, the
// sound switches and sounds, Credits and Borrowed (borrowing, a new or an
// opened game) and Spins (a new game).
//
// What runs inside a wait (a bet pause, a spin tick, the count-up):
// - A second click on Bet 1, Bet 2 or Spin. While Spinning it returns at once,
//   having cleared CloverMultiplier; during a bet pause it may stake or spin.
// - Any menu command or dialog: the speed, auto-spin and sound switches, new
//   game, open and save, borrowing, the sounds dialog, statistics and help.
// - The timers: FlashWinningRow toggles WinningRowLit and draws the row so
//   (keeps it lit while the winning row is steady);
//   AutoSpinDue spins unless Spinning or the credits are short.
// - The end of the session: Settle() makes the flow finish without waiting.
//
// What each flow reads again after a wait:
// - The spin loop reads Speed on every tick, and AutoSpinOn after the payout.
// - The count-up adds each credit to Credits as it stands then, so credits
//   borrowed, opened or started afresh during a payout are kept.
// - Bet 2 reads BetInPlay and Credits again after its pause; both bets end in
//   Spin, which checks Spinning and BetInPlay again.
class SlotEngine {
  public:
    static constexpr int kSpinTicks = 101;
    static constexpr int kAutoSpinDelayMs = 500;
    static constexpr int kFlashIntervalMs = 300;
    static constexpr std::array<int, 3> kChoiceTick{40, 60, 79};
    static constexpr std::array<int, 3> kRollSteps{20, 20, 22};
    // The stop sound leads each reel's last step by one tick, and the last
    // reel's comes no later than two ticks before the spin ends.
    static constexpr std::array<int, 3> kStopSoundTicks{
        std::min(kChoiceTick[0] + kRollSteps[0], kSpinTicks - 1) - 1,
        std::min(kChoiceTick[1] + kRollSteps[1], kSpinTicks - 1) - 1,
        std::min(kChoiceTick[2] + kRollSteps[2], kSpinTicks - 1) - 1,
    };

    struct World {
        Clock& clock;
        EventPump& pump;
        Display& display;
        Sounds& sounds;
        Dialogs& dialogs;
        Timers& timers;
        RandomSource& random;
    };

    SlotEngine(GameState& state, World world);

    void Spin();           // "Spin"
    void BetOne();         // "Bet 1"
    void BetTwo();         // "Bet 2"
    void AutoSpinDue();    // the one-shot auto-spin timer fired
    void ToggleAutoSpin(); // Auto > On
    void SetSpeed(int ms);
    void NewGame();
    void FlashWinningRow();
    // For players sensitive to flashing: while on, every flash tick draws the
    // winning row lit, so it stays lit; the timers and the spin keep their
    // timing.
    void SetWinningRowSteady(bool steady) { winningRowSteady_ = steady; }

    void Wait(double seconds);
    void CountUp(int n);
    void EvaluateWin();

    // True while a bet or spin handler runs (including its pauses).
    bool Busy() const { return busyDepth_ > 0; }
    // Finishes what is running without waiting, for the end of a session: the
    // remaining ticks follow at once, the rest of the win is paid in one step
    // and pauses end. Lasts until the outermost handler has returned.
    void Settle() { settling_ = Busy(); }
    bool Settling() const { return settling_; }
    // Called when the outermost bet or spin handler has returned.
    void SetIdleHandler(std::function<void()> handler) { idleHandler_ = std::move(handler); }
    // Called when a spin's payout has ended, before the spin counts as over;
    // the handlers run in the order they were added.
    void AddSpinEndedHandler(std::function<void()> handler) {
        spinEndedHandlers_.push_back(std::move(handler));
    }

    // Called when the reels have come to rest and the win is known (WinAmount
    // set, 0 for a loss), before the payout is counted.
    void AddReelsStoppedHandler(std::function<void()> handler) {
        reelsStoppedHandlers_.push_back(std::move(handler));
    }

    // Spin sound period in ticks for a speed, 0 for speeds without a spin sound.
    static int SpinSoundPeriod(int speed);
    // Pause after a counted credit, by the credits still to pay.
    static double CountUpPause(int remaining);

    const GameState& State() const { return state_; }

  private:
    class BusyScope;

    void DrawColumn(int column, bool lit);
    void RunSpin();
    void MoveReels(int tick, std::array<int, 3>& positions);
    void PlayTickSound(int tick);
    void PayAtOnce(int credits);
    void ReportReelsStopped() const;

    GameState& state_;
    World world_;
    int busyDepth_ = 0;
    bool settling_ = false;
    bool winningRowSteady_ = false;
    std::function<void()> idleHandler_;
    std::vector<std::function<void()>> spinEndedHandlers_;
    std::vector<std::function<void()>> reelsStoppedHandlers_;
};

} // namespace kelvory
