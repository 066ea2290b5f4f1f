// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"
#include "game/Dialogs.h"
#include "game/Display.h"
#include "game/EventPump.h"
#include "game/RandomSource.h"
#include "game/SlotEngine.h"
#include "game/Sounds.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kelvory::test {

// The engine's whole world on a virtual millisecond clock: a script of events
// (clicks, menu commands, dialogs) run by the pump when their time comes, a log
// of everything drawn and played, and a random source whose reel choices the
// test sets.
class FakeWorld : public Clock,
                  public EventPump,
                  public Display,
                  public Sounds,
                  public Dialogs,
                  public Timers,
                  public RandomSource {
  public:
    struct Entry {
        double time;
        std::string what;
    };

    double now = 1000.0;
    // The time of day runs ahead of the monotonic clock by this much.
    std::uint32_t timeOfDayOffsetMs = 45'000'000;
    std::vector<Entry> log;
    std::vector<std::array<int, 3>> frames; // reel positions drawn, per tick
    std::vector<std::uint32_t> seeds;
    std::deque<int> choices; // answers to Next(40), the reels' resting choices
    int blurDraws = 0;       // answers to Next(80) so far: a scrambled count
    double winSoundMs = 0;
    double loseSoundMs = 0;
    double drawMs = 0;     // drawing the reels takes this long
    double pumpStepMs = 0; // above 0: a wait returns early after this long
    int pumpCalls = 0;
    bool interrupted = false;     // set by an action: the wait returns at once
    SlotEngine* engine = nullptr; // for the auto-spin timer

    SlotEngine::World World() { return {*this, *this, *this, *this, *this, *this, *this}; }

    // Schedules an action at a virtual time; it runs inside the next wait that
    // reaches that time.
    void At(double time, std::function<void()> action) { script_.emplace(time, std::move(action)); }

    // Makes the next spin come to rest at these positions.
    void RestAt(int p1, int p2, int p3) {
        choices.push_back(((p1 + 20) % 80) / 2);
        choices.push_back(((p2 + 20) % 80) / 2);
        choices.push_back(((p3 + 22) % 80) / 2);
    }

    int Count(const std::string& what) const {
        return static_cast<int>(
            std::count_if(log.begin(), log.end(), [&](const Entry& e) { return e.what == what; }));
    }
    std::vector<double> TimesOf(const std::string& what) const {
        std::vector<double> times;
        for (const Entry& e : log) {
            if (e.what == what) {
                times.push_back(e.time);
            }
        }
        return times;
    }
    std::vector<std::string> Whats() const {
        std::vector<std::string> whats;
        for (const Entry& e : log) {
            whats.push_back(e.what);
        }
        return whats;
    }

    // Clock
    double NowMs() override { return now; }
    std::uint32_t MsSinceMidnightUtc() override {
        return timeOfDayOffsetMs + static_cast<std::uint32_t>(now);
    }

    // EventPump
    void WaitUntil(double deadline) override {
        ++pumpCalls;
        if (pumpStepMs > 0) {
            deadline = std::min(deadline, now + pumpStepMs);
        }
        while (!script_.empty() && script_.begin()->first <= deadline) {
            auto node = script_.extract(script_.begin());
            now = std::max(now, node.key());
            node.mapped()();
            if (std::exchange(interrupted, false)) {
                return;
            }
        }
        now = std::max(now, deadline);
    }

    // Display
    void ShowCredits(double amount) override { Note("credits " + Num(amount)); }
    void ShowWinnings(bool visible, double amount) override {
        Note(visible ? "winnings " + Num(amount) : std::string("winnings off"));
    }
    void DrawPayRow(int row, bool lit, int column) override {
        Note("row " + std::to_string(row) + (lit ? " lit " : " unlit ") + std::to_string(column));
    }
    void DrawReels(const std::array<int, 3>& positions) override {
        Note("reels");
        frames.push_back(positions);
        now += drawMs;
    }
    void DrawPayline() override { Note("payline"); }
    void RepaintAll() override { Note("repaint"); }

    // Sounds
    void PlayStopSound() override { Note("stop"); }
    void PlaySpinSound() override { Note("spin"); }
    void PlayCoinSound() override { Note("coin"); }
    void PlayCreditSound() override { Note("credit"); }
    void PlayWinSound() override {
        Note("win");
        now += winSoundMs;
    }
    void PlayLoseSound() override {
        Note("lose");
        now += loseSoundMs;
    }

    // Dialogs
    void ShowInformation(const std::string& text) override { Note("info " + text); }
    void FocusSpinButton() override { Note("focus"); }

    // Timers
    void SetFlashing(bool on) override { Note(on ? "flash on" : "flash off"); }
    void StartAutoSpinTimer() override {
        Note("autospin armed");
        if (engine != nullptr) {
            SlotEngine* e = engine;
            At(now + SlotEngine::kAutoSpinDelayMs, [e] { e->AutoSpinDue(); });
        }
    }

    // RandomSource
    void Seed(std::uint32_t seed) override { seeds.push_back(seed); }
    int Next(int n) override {
        if (n == 40 && !choices.empty()) {
            const int value = choices.front();
            choices.pop_front();
            return value;
        }
        return n == 80 ? BlurPosition(blurDraws++) : 0;
    }
    // The answer to the i-th Next(80): varies from one draw to the next.
    static int BlurPosition(int i) { return (i * 37 + 11) % 80; }

  private:
    static std::string Num(double v) {
        const long long whole = static_cast<long long>(v);
        return whole == v ? std::to_string(whole) : std::to_string(v);
    }
    void Note(std::string what) { log.push_back({now, std::move(what)}); }

    std::multimap<double, std::function<void()>> script_;
};

} // namespace kelvory::test
