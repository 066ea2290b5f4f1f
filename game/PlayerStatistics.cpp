// SPDX-License-Identifier: MIT
#include "game/PlayerStatistics.h"

#include "game/SlotEngine.h"

#include <algorithm>
#include <utility>

namespace kelvory {

PlayerStatistics::PlayerStatistics(ParSheet sheet) : sheet_(std::move(sheet)) {
    StartTrack();
}

void PlayerStatistics::Attach(SlotEngine& engine, Clock& clock) {
    if (!clockStarted_) {
        lastActivityMs_ = clock.NowMs();
        clockStarted_ = true;
    }
    engine.AddSpinEndedHandler([this, &engine, &clock] {
        const GameState& state = engine.State();
        RecordSpin(state.LastBet, state.WinAmount, state.WinningRow, clock.NowMs());
    });
}

void PlayerStatistics::RecordSpin(int stake, int amount, int row, double nowMs) {
    if (!clockStarted_) {
        lastActivityMs_ = nowMs;
        clockStarted_ = true;
    }
    const auto played =
        static_cast<std::int64_t>(std::clamp(nowMs - lastActivityMs_, 0.0, kMaxPauseMs));
    lastActivityMs_ = nowMs;
    for (PlayTally* tally : {&allTime_, &game_}) {
        tally->AddSpin(stake, amount, row);
        tally->PlayedMs += played;
    }

    TrackPoint point = track_.back();
    point.spin = game_.Spins;
    point.net = static_cast<double>(game_.Net());
    ++(stake == 2 ? point.twoCreditSpins : point.oneCreditSpins);
    point.expected = ExpectedNet(track_.front(), point.oneCreditSpins, point.twoCreditSpins);
    track_.push_back(point);
    Thin(track_, kMaxTrackPoints);
    Changed();
}

void PlayerStatistics::NewGame() {
    game_ = PlayTally{};
    StartTrack();
    Changed();
}

void PlayerStatistics::Restore(const PlayTally& allTime, const PlayTally& game, double nowMs,
                               std::vector<TrackPoint> track) {
    allTime_ = allTime;
    game_ = game;
    lastActivityMs_ = nowMs;
    clockStarted_ = true;
    if (IsTrackOfGame(track)) {
        for (TrackPoint& point : track) {
            point.expected = ExpectedNet(track.front(), point.oneCreditSpins, point.twoCreditSpins);
        }
        track_ = std::move(track);
        Thin(track_, kMaxTrackPoints);
    } else {
        StartTrack();
    }
    Changed();
}

double PlayerStatistics::ExpectedReturn() const {
    if (game_.Staked == 0) {
        return 0;
    }
    const std::int64_t twoCredit = game_.TwoCreditSpins();
    const std::int64_t oneCredit = game_.Spins - twoCredit;
    const double expectedPaid = static_cast<double>(oneCredit) * sheet_.ForStake(1).meanPay +
                                static_cast<double>(twoCredit) * sheet_.ForStake(2).meanPay;
    return expectedPaid / static_cast<double>(game_.Staked);
}

double PlayerStatistics::ExpectedHitRate() const {
    return sheet_.ForStake(1).hitFrequency;
}

void PlayerStatistics::Thin(std::vector<TrackPoint>& track, std::size_t maxPoints) {
    // The first and the last point always stay.
    if (track.size() < 3) {
        return;
    }
    const std::int64_t start = track.front().spin;
    const std::int64_t span = track.back().spin - start;
    const auto pointsAt = [span](std::int64_t stride) {
        return static_cast<std::uint64_t>(span / stride + 1 + (span % stride != 0 ? 1 : 0));
    };
    std::int64_t stride = 1;
    while (pointsAt(stride) > std::max<std::size_t>(maxPoints, 2)) {
        stride *= 2;
    }
    std::size_t kept = 1;
    for (std::size_t i = 1; i + 1 < track.size(); ++i) {
        if ((track[i].spin - start) % stride == 0) {
            track[kept++] = track[i];
        }
    }
    track[kept++] = track.back();
    track.resize(kept);
}

bool PlayerStatistics::IsTrackOfGame(const std::vector<TrackPoint>& track) const {
    if (track.empty() || track.front().oneCreditSpins != 0 || track.front().twoCreditSpins != 0 ||
        track.back().spin != game_.Spins || track.back().net != static_cast<double>(game_.Net())) {
        return false;
    }
    for (std::size_t i = 1; i < track.size(); ++i) {
        const TrackPoint& before = track[i - 1];
        const TrackPoint& point = track[i];
        if (point.oneCreditSpins < before.oneCreditSpins ||
            point.twoCreditSpins < before.twoCreditSpins || point.spin <= before.spin ||
            point.spin - track.front().spin != point.oneCreditSpins + point.twoCreditSpins) {
            return false;
        }
    }
    return true;
}

double PlayerStatistics::ExpectedNet(const TrackPoint& start, std::int64_t oneCreditSpins,
                                     std::int64_t twoCreditSpins) const {
    return start.net + static_cast<double>(oneCreditSpins) * (sheet_.ForStake(1).meanPay - 1) +
           static_cast<double>(twoCreditSpins) * (sheet_.ForStake(2).meanPay - 2);
}

void PlayerStatistics::StartTrack() {
    const auto net = static_cast<double>(game_.Net());
    track_.assign(1, TrackPoint{game_.Spins, net, net, 0, 0});
}

void PlayerStatistics::Changed() {
    if (changed_) {
        changed_();
    }
}

} // namespace kelvory
