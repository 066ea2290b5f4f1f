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

    const ParSheet::Stake& odds = sheet_.ForStake(stake);
    TrackPoint point = track_.back();
    point.spin = game_.Spins;
    point.net = static_cast<double>(game_.Net());
    point.expected += odds.meanPay - stake;
    point.variance += odds.payVariance;
    if (track_.size() >= kMaxTrackPoints) {
        // Keep every other point after the first: the chart stays the same shape.
        std::size_t kept = 1;
        for (std::size_t i = 2; i < track_.size(); i += 2) {
            track_[kept++] = track_[i];
        }
        track_.resize(kept);
    }
    track_.push_back(point);
    Changed();
}

void PlayerStatistics::NewGame() {
    game_ = PlayTally{};
    StartTrack();
    Changed();
}

void PlayerStatistics::Restore(const PlayTally& allTime, const PlayTally& game, double nowMs) {
    allTime_ = allTime;
    game_ = game;
    lastActivityMs_ = nowMs;
    clockStarted_ = true;
    StartTrack();
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

void PlayerStatistics::StartTrack() {
    const auto net = static_cast<double>(game_.Net());
    track_.assign(1, TrackPoint{game_.Spins, net, net, 0.0});
}

void PlayerStatistics::Changed() {
    if (changed_) {
        changed_();
    }
}

} // namespace kelvory
