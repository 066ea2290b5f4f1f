// SPDX-License-Identifier: MIT
#pragma once

#include "game/PlayTally.h"
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
// same keys prefixed "Game"), each a decimal integer. Written with the
// settings when the main window closes; other keys of the section are kept.
namespace StatisticsSection {
inline constexpr char kSection[] = "Statistics";

struct Tallies {
    PlayTally allTime;
    PlayTally game;
    bool operator==(const Tallies&) const = default;
};
using KeyValues = std::vector<std::pair<std::string, std::string>>;
// The stored text of a key of the section, nothing when it is missing.
using Lookup = std::function<std::optional<std::string>(const std::string& key)>;

// The keys and values to write, in their order; none before the first spin.
KeyValues Values(const PlayTally& allTime, const PlayTally& game);

// Reads the counters. A section that is missing or holds a value that is
// not a plain non-negative decimal integer, or counters that cannot belong
// together, gives zero counters.
Tallies Read(const Lookup& lookup);
Tallies FromProfileText(std::string_view text);
Tallies Load(const std::string& path);

// The section as a save writes it, beside other sections of the same save.
ProfileSection Section(const PlayTally& allTime, const PlayTally& game);

// Writes the section in one change of the file. Throws ProfileWriteError.
void Save(const std::string& path, const PlayTally& allTime, const PlayTally& game);
} // namespace StatisticsSection

} // namespace kelvory
