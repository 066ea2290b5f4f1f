// SPDX-License-Identifier: MIT
#pragma once

#include "game/PlayTally.h"
#include "game/PlayerStatistics.h"
#include "store/ProfileFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvory {

// The [Statistics] section of the settings file: the player's counters for all
// games (keys "Spins", "Staked", "Paid", ...) and for the current game (the
// same keys prefixed "Game"), each a decimal integer, and the current game's
// track (key "Track"). Written with the settings; other keys of the section
// are kept.
//
// The track is its points apart by commas: the first "spin net", each next
// "oneCreditSpins twoCreditSpins net" as the change from the point before,
// e.g. "12 -5,1 0 -1,0 2 36". Its expected results are not stored: they
// follow from the odds.
namespace StatisticsSection {
inline constexpr char kSection[] = "Statistics";
// A stored track is at most this long; a longer one is thinned to fit.
inline constexpr std::size_t kMaxTrackText = 16384;

using Track = std::vector<PlayerStatistics::TrackPoint>;

struct Tallies {
    PlayTally allTime;
    PlayTally game;
    // Expected results left at zero.
    Track track;
    bool operator==(const Tallies&) const = default;
};
using KeyValues = std::vector<std::pair<std::string, std::string>>;
// The stored text of a key of the section, nothing when it is missing.
using Lookup = std::function<std::optional<std::string>(const std::string& key)>;

// The keys and values to write, in their order; none before the first spin.
KeyValues Values(const PlayTally& allTime, const PlayTally& game, const Track& track = {});

// Reads the counters. A section that is missing or holds a value that is
// not a plain non-negative decimal integer, or counters that cannot belong
// together, gives zero counters. A track that is broken or too long reads
// as none and leaves the counters be.
Tallies Read(const Lookup& lookup);
Tallies FromProfileText(std::string_view text);
Tallies Load(const std::string& path);

// The section as a save writes it, beside other sections of the same save.
ProfileSection Section(const PlayTally& allTime, const PlayTally& game, const Track& track = {});

// Writes the section in one change of the file. Throws ProfileWriteError.
void Save(const std::string& path, const PlayTally& allTime, const PlayTally& game,
          const Track& track = {});
} // namespace StatisticsSection

} // namespace kelvory
