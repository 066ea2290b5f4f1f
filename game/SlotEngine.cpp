// SPDX-License-Identifier: MIT
#include "game/SlotEngine.h"

#include "game/Reels.h"
#include "game/SpinSpeeds.h"
#include "game/WinRules.h"

#include <algorithm>

namespace kelvory {

namespace {
constexpr char kPlaceBetMessage[] = "Please place a bet before spinning!";
// Longest single wait of the spin loop, so that a speed chosen from the menu
// during a long tick takes effect promptly.
constexpr double kSpinWaitSliceMs = 100.0;
} // namespace

class SlotEngine::BusyScope {
  public:
    explicit BusyScope(SlotEngine& engine) : engine_(engine) { ++engine_.busyDepth_; }
    ~BusyScope() {
        if (--engine_.busyDepth_ > 0) {
            return;
        }
        engine_.settling_ = false;
        if (engine_.idleHandler_) {
            engine_.idleHandler_();
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    SlotEngine& engine_;
};

SlotEngine::SlotEngine(GameState& state, World world) : state_(state), world_(world) {}

int SlotEngine::SpinSoundPeriod(int speed) {
    for (const SpinSpeed& choice : kSpinSpeeds) {
        if (choice.TickMs == speed) {
            return choice.SpinSoundPeriod;
        }
    }
    return 0; // a speed from a settings file that the menu does not offer
}

double SlotEngine::CountUpPause(int remaining) {
    if (remaining <= 5)
        return 0.25;
    if (remaining <= 14)
        return 0.1;
    if (remaining <= 49)
        return 0.05;
    if (remaining <= 200)
        return 0.01;
    return 0.005;
}

void SlotEngine::Wait(double seconds) {
    const double deadline = world_.clock.NowMs() + seconds * 1000.0;
    // The pump may return early after an event: wait again until the deadline.
    while (!settling_ && world_.clock.NowMs() < deadline) {
        world_.pump.WaitUntil(deadline);
    }
}

void SlotEngine::DrawColumn(int column, bool lit) {
    for (int row = 0; row < kPayRows; ++row) {
        world_.display.DrawPayRow(row, lit, column);
    }
}

void SlotEngine::Spin() {
    BusyScope busy(*this);
    state_.CloverMultiplier = 0;
    if (state_.Spinning) {
        return;
    }
    world_.timers.SetFlashing(false);
    if (state_.BetInPlay == 0) {
        if (state_.LastBet == 0 || state_.LastBet > state_.Credits) {
            world_.dialogs.ShowInformation(kPlaceBetMessage);
            return;
        }
        state_.BetInPlay = state_.LastBet;
        state_.Credits -= state_.BetInPlay;
        world_.display.ShowCredits(state_.Credits);
        DrawColumn(state_.BetInPlay == 1 ? 0 : 1, true);
    }
    RunSpin();
}

void SlotEngine::RunSpin() {
    state_.Spinning = true;
    ++state_.Spins;
    world_.random.Seed(world_.clock.MsSinceMidnightUtc());
    std::array<int, 3> positions{};
    for (int& p : positions) {
        p = world_.random.Next(Reels::kPositions);
    }

    double lastTick = world_.clock.NowMs();
    int tick = 0;
    while (tick < kSpinTicks) {
        const double now = world_.clock.NowMs();
        const double due = lastTick + state_.Speed;
        if (now < due && !settling_) {
            // Sleeps until the tick is due while handling events.
            world_.pump.WaitUntil(std::min(due, now + kSpinWaitSliceMs));
            continue;
        }
        lastTick = now;
        ++tick;
        MoveReels(tick, positions);
        world_.display.DrawReels(positions);
        PlayTickSound(tick);
        // Handle pending events also when the next tick is already due (slow
        // drawing, a speed of 0), so the window never freezes.
        world_.pump.WaitUntil(world_.clock.NowMs());
    }

    world_.display.DrawPayline();
    state_.ReelStops = positions;
    state_.VisibleCells = Reels::EvaluateWindow(state_.ReelStops);
    DrawColumn(0, false);
    DrawColumn(1, false);
    state_.LastBet = state_.BetInPlay;
    EvaluateWin();
    for (const auto& handler : spinEndedHandlers_) {
        handler();
    }
    state_.BetInPlay = 0;
    state_.Spinning = false;
    if (state_.AutoSpinOn) {
        world_.timers.StartAutoSpinTimer();
    }
}

void SlotEngine::MoveReels(int tick, std::array<int, 3>& positions) {
    for (int reel = 0; reel < 3; ++reel) {
        const int choice = kChoiceTick[reel];
        if (tick < choice) {
            positions[reel] = world_.random.Next(Reels::kPositions);
        } else if (tick == choice) {
            positions[reel] = 2 * world_.random.Next(Reels::kCells);
        } else if (tick <= choice + kRollSteps[reel]) {
            positions[reel] = Reels::StepBack(positions[reel]);
        }
    }
}

void SlotEngine::PlayTickSound(int tick) {
    if (std::find(kStopSoundTicks.begin(), kStopSoundTicks.end(), tick) != kStopSoundTicks.end()) {
        world_.sounds.PlayStopSound();
        return;
    }
    const int period = SpinSoundPeriod(state_.Speed);
    if (tick < kStopSoundTicks.back() && period > 0 && tick % period == 0) {
        world_.sounds.PlaySpinSound();
    }
}

void SlotEngine::EvaluateWin() {
    state_.WinAmount = 0;
    const WinResult result =
        WinRules::Evaluate(state_.VisibleCells, state_.PayValues, state_.LastBet);
    if (result.Amount == 0) {
        ReportReelsStopped();
        world_.sounds.PlayLoseSound();
        return;
    }
    state_.WinningRow = result.Row;
    state_.WinningRowLit = true;
    world_.timers.SetFlashing(true);
    state_.CloverMultiplier = result.Multiplier;
    state_.WinAmount = result.Amount;
    ReportReelsStopped();
    world_.sounds.PlayWinSound();
    CountUp(state_.WinAmount);
}

void SlotEngine::ReportReelsStopped() const {
    for (const auto& handler : reelsStoppedHandlers_) {
        handler();
    }
}

void SlotEngine::CountUp(int n) {
    world_.display.ShowWinnings(true, n);
    Wait(1.0);
    for (int i = 1; i <= n; ++i) {
        if (settling_) {
            PayAtOnce(n - i + 1);
            break;
        }
        const int remaining = n - i;
        const double pause = CountUpPause(remaining);
        world_.sounds.PlayCreditSound();
        world_.display.ShowWinnings(true, remaining);
        state_.Credits += 1;
        world_.display.ShowCredits(state_.Credits);
        Wait(pause);
    }
    Wait(0.5);
    world_.display.ShowWinnings(false, 0);
}

void SlotEngine::PayAtOnce(int credits) {
    world_.display.ShowWinnings(true, 0);
    state_.Credits += credits;
    world_.display.ShowCredits(state_.Credits);
}

void SlotEngine::BetOne() {
    BusyScope busy(*this);
    state_.CloverMultiplier = 0;
    if (state_.Spinning) {
        return;
    }
    world_.timers.SetFlashing(false);
    if (state_.Credits < 1 || state_.BetInPlay >= 2) {
        return;
    }
    world_.sounds.PlayCoinSound();
    ++state_.BetInPlay;
    state_.Credits -= 1;
    world_.display.ShowCredits(state_.Credits);
    if (state_.BetInPlay == 1) {
        DrawColumn(1, false);
        DrawColumn(0, true);
        return;
    }
    DrawColumn(0, false);
    DrawColumn(1, true);
    Wait(0.5);
    Spin();
    world_.dialogs.FocusSpinButton();
}

void SlotEngine::BetTwo() {
    BusyScope busy(*this);
    state_.CloverMultiplier = 0;
    if (state_.Spinning) {
        return;
    }
    world_.timers.SetFlashing(false);
    int missing = 2 - state_.BetInPlay;
    if (missing > state_.Credits) {
        return;
    }
    world_.sounds.PlayCoinSound();
    if (state_.BetInPlay == 0) {
        DrawColumn(0, true);
        Wait(0.5);
        world_.sounds.PlayCoinSound();
    }
    // Another click during the pause may have staked or spent credits: take
    // only what is still missing, and only while the credits cover it.
    missing = 2 - state_.BetInPlay;
    if (missing > state_.Credits) {
        DrawColumn(0, state_.BetInPlay == 1);
        DrawColumn(1, false);
        return;
    }
    state_.Credits -= missing;
    world_.display.ShowCredits(state_.Credits);
    state_.BetInPlay = 2;
    DrawColumn(0, false);
    DrawColumn(1, true);
    Wait(0.5);
    Spin();
    world_.dialogs.FocusSpinButton();
}

void SlotEngine::AutoSpinDue() {
    if (state_.LastBet > state_.Credits || state_.Spinning) {
        return;
    }
    Spin();
}

void SlotEngine::ToggleAutoSpin() {
    state_.AutoSpinOn = !state_.AutoSpinOn;
    if (state_.AutoSpinOn) {
        world_.timers.StartAutoSpinTimer();
    }
}

void SlotEngine::SetSpeed(int ms) {
    state_.Speed = ms;
}

void SlotEngine::NewGame() {
    state_.Spins = 0;
    state_.Credits = kStartCredits;
    state_.Borrowed = state_.Credits;
    world_.display.RepaintAll();
}

void SlotEngine::FlashWinningRow() {
    const int column = std::clamp(state_.LastBet - 1, 0, 1);
    state_.WinningRowLit = winningRowSteady_ || !state_.WinningRowLit;
    world_.display.DrawPayRow(state_.WinningRow, state_.WinningRowLit, column);
}

} // namespace kelvory
