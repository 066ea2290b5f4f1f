// SPDX-License-Identifier: MIT
#pragma once

#include "game/Clock.h"
#include "game/ParSheet.h"
#include "game/PlayTally.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kelvory {

class SlotEngine;

// The player's statistics: counters for all games and for the current game,
// the time played, and the current game's net result spin by spin beside what
// the odds expect. Kept apart from the game state; the engine reports each
// finished spin.
class PlayerStatistics {
  public:
    // A pause between spins longer than this counts as this long.
    static constexpr double kMaxPauseMs = 120000.0;
    // The net-result track keeps at most this many points.
    static constexpr std::size_t kMaxTrackPoints = 1000;

    // The current game's net result after a spin, the expected net result, and
    // the spins at each stake since the track starts, which give the exact
    // distribution of the result around where the track starts.
    struct TrackPoint {
        std::int64_t spin = 0;
        double net = 0;
        double expected = 0;
        std::int64_t oneCreditSpins = 0;
        std::int64_t twoCreditSpins = 0;
        bool operator==(const TrackPoint&) const = default;
    };

    explicit PlayerStatistics(ParSheet sheet = ParSheet::Build());

    // Counts the spins the engine finishes, on the clock's time.
    void Attach(SlotEngine& engine, Clock& clock);

    // Counts a finished spin: its stake, its pay and, for a win, its row.
    void RecordSpin(int stake, int amount, int row, double nowMs);
    // File > New or an opened slot: the current game starts from zero.
    void NewGame();
    // Replaces the counters and the track (as read from the settings file);
    // play time counts from nowMs. The expected results of the track are
    // worked out again from the odds; a track that is not one of the current
    // game, ending at its present result, gives way to a new track from there.
    void Restore(const PlayTally& allTime, const PlayTally& game, double nowMs,
                 std::vector<TrackPoint> track = {});

    const PlayTally& AllTime() const { return allTime_; }
    const PlayTally& Game() const { return game_; }
    const std::vector<TrackPoint>& Track() const { return track_; }
    const ParSheet& Sheet() const { return sheet_; }

    // The return the odds give for the current game's mix of stakes (0 before
    // any spin) and the hit rate they give.
    double ExpectedReturn() const;
    double ExpectedHitRate() const;

    // Thins a track to at most maxPoints (at least 2): it keeps its first and
    // last points and those a whole number of strides after the first, the
    // stride the smallest power of two that fits. A track thinned as it grows
    // so stays evenly spaced.
    static void Thin(std::vector<TrackPoint>& track, std::size_t maxPoints);

    // Called after every change.
    void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  private:
    void StartTrack();
    bool IsTrackOfGame(const std::vector<TrackPoint>& track) const;
    double ExpectedNet(const TrackPoint& start, std::int64_t oneCreditSpins,
                       std::int64_t twoCreditSpins) const;
    void Changed();

    ParSheet sheet_;
    PlayTally allTime_;
    PlayTally game_;
    std::vector<TrackPoint> track_;
    double lastActivityMs_ = 0;
    bool clockStarted_ = false;
    std::function<void()> changed_;
};

} // namespace kelvory
