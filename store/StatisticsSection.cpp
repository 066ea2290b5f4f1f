// SPDX-License-Identifier: MIT
#include "store/StatisticsSection.h"

#include "store/ProfileFile.h"
#include "store/ProfileText.h"

#include <charconv>
#include <cstdint>

namespace kelvory {

namespace {

// Marks a missing key: no stored value can hold a line break.
constexpr char kMissing[] = "\n";

struct Field {
    const char* key;
    std::int64_t PlayTally::*counter;
};

// The stored counters, in the order they are written. Wins1..Wins8 follow
// "Paid"; "Net" and the play time in seconds are written apart.
constexpr Field kFields[] = {
    {"Spins", &PlayTally::Spins},
    {"Staked", &PlayTally::Staked},
    {"Paid", &PlayTally::Paid},
    {"BiggestWin", &PlayTally::BiggestWin},
    {"LongestLosingRun", &PlayTally::LongestLosingRun},
    {"LosingRun", &PlayTally::LosingRun},
};

std::string WinsKey(const std::string& prefix, std::size_t row) {
    return prefix + "Wins" + std::to_string(row + 1);
}

void AppendTally(StatisticsSection::KeyValues& out, const std::string& prefix,
                 const PlayTally& tally) {
    for (const Field& field : kFields) {
        out.emplace_back(prefix + field.key, std::to_string(tally.*field.counter));
        if (field.counter == &PlayTally::Paid) {
            out.emplace_back(prefix + "Net", std::to_string(tally.Net()));
            for (std::size_t row = 0; row < tally.Wins.size(); ++row) {
                out.emplace_back(WinsKey(prefix, row), std::to_string(tally.Wins[row]));
            }
        }
    }
    out.emplace_back(prefix + "Seconds", std::to_string(tally.PlayedMs / 1000));
}

// No counter of real play comes near this; below it every sum and product the
// counters go into stays far inside 64 bits.
constexpr std::int64_t kMaxCounter = 1'000'000'000'000'000;

// A plain non-negative decimal integer up to kMaxCounter, blanks around it
// allowed.
std::optional<std::int64_t> Counter(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > kMaxCounter || text.front() == '-') {
        return std::nullopt;
    }
    return value;
}

// Reads one tally; false when a stored value is broken.
bool ReadTally(const StatisticsSection::Lookup& lookup, const std::string& prefix,
               PlayTally& tally) {
    const auto read = [&](const std::string& key, std::int64_t& counter) {
        const std::optional<std::string> text = lookup(key);
        if (!text) {
            return true;
        }
        const std::optional<std::int64_t> value = Counter(*text);
        counter = value.value_or(0);
        return value.has_value();
    };
    bool ok = true;
    for (const Field& field : kFields) {
        ok = read(prefix + field.key, tally.*field.counter) && ok;
    }
    for (std::size_t row = 0; row < tally.Wins.size(); ++row) {
        ok = read(WinsKey(prefix, row), tally.Wins[row]) && ok;
    }
    std::int64_t seconds = 0;
    ok = read(prefix + "Seconds", seconds) && ok;
    tally.PlayedMs = ok ? seconds * 1000 : 0;
    // Every stake is one or two credits, and a win or a loss ends every spin.
    return ok && tally.Staked >= tally.Spins && tally.Staked - tally.Spins <= tally.Spins &&
           tally.WinCount() <= tally.Spins && tally.LosingRun <= tally.LongestLosingRun &&
           tally.LongestLosingRun <= tally.Spins;
}

} // namespace

StatisticsSection::KeyValues StatisticsSection::Values(const PlayTally& allTime,
                                                       const PlayTally& game) {
    KeyValues out;
    // Before the first spin there is nothing to keep: the file stays as it was.
    if (allTime.Spins == 0 && game.Spins == 0) {
        return out;
    }
    AppendTally(out, "", allTime);
    AppendTally(out, "Game", game);
    return out;
}

StatisticsSection::Tallies StatisticsSection::Read(const Lookup& lookup) {
    Tallies tallies;
    if (!ReadTally(lookup, "", tallies.allTime) || !ReadTally(lookup, "Game", tallies.game) ||
        tallies.game.Spins > tallies.allTime.Spins) {
        return Tallies{};
    }
    return tallies;
}

StatisticsSection::Tallies StatisticsSection::FromProfileText(std::string_view text) {
    return Read([text](const std::string& key) -> std::optional<std::string> {
        std::string value = ProfileText::Read(text, kSection, key, kMissing);
        if (value == kMissing) {
            return std::nullopt;
        }
        return value;
    });
}

StatisticsSection::Tallies StatisticsSection::Load(const std::string& path) {
    return FromProfileText(ProfileFile::ReadText(path));
}

ProfileSection StatisticsSection::Section(const PlayTally& allTime, const PlayTally& game) {
    return ProfileSection{kSection, Values(allTime, game)};
}

void StatisticsSection::Save(const std::string& path, const PlayTally& allTime,
                             const PlayTally& game) {
    ProfileFile::Write(path, {Section(allTime, game)});
}

} // namespace kelvory
