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

std::string TrackText(const StatisticsSection::Track& track) {
    std::string text;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const PlayerStatistics::TrackPoint& point = track[i];
        const auto net = static_cast<std::int64_t>(point.net);
        if (i == 0) {
            text = std::to_string(point.spin) + ' ' + std::to_string(net);
            continue;
        }
        const PlayerStatistics::TrackPoint& before = track[i - 1];
        text += ',' + std::to_string(point.oneCreditSpins - before.oneCreditSpins) + ' ' +
                std::to_string(point.twoCreditSpins - before.twoCreditSpins) + ' ' +
                std::to_string(net - static_cast<std::int64_t>(before.net));
    }
    return text;
}

// A decimal integer of at most kMaxCounter either side of zero.
std::optional<std::int64_t> SignedCounter(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        const std::optional<std::int64_t> magnitude = Counter(text.substr(1));
        return magnitude ? std::optional(-*magnitude) : std::nullopt;
    }
    return Counter(text);
}

// The fields of one point, parted by blanks.
std::vector<std::int64_t> PointFields(std::string_view text) {
    std::vector<std::int64_t> fields;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::optional<std::int64_t> field =
            SignedCounter(text.substr(0, blank == std::string_view::npos ? text.size() : blank));
        if (!field || fields.size() == 3) {
            return {};
        }
        fields.push_back(*field);
        text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    }
    return fields;
}

// The track a stored text holds; none when it is broken or too long.
StatisticsSection::Track ReadTrack(std::string_view text) {
    StatisticsSection::Track track;
    while (!text.empty() && text.size() <= StatisticsSection::kMaxTrackText &&
           track.size() < PlayerStatistics::kMaxTrackPoints) {
        const std::size_t comma = text.find(',');
        const std::vector<std::int64_t> fields = PointFields(text.substr(0, comma));
        PlayerStatistics::TrackPoint point;
        if (track.empty() && fields.size() == 2 && fields[0] >= 0) {
            point = {fields[0], double(fields[1]), 0, 0, 0};
        } else if (!track.empty() && fields.size() == 3 && fields[0] >= 0 && fields[1] >= 0 &&
                   fields[0] + fields[1] > 0) {
            // Each part is at most kMaxCounter and the points are few: no sum leaves 64 bits.
            point = track.back();
            point.oneCreditSpins += fields[0];
            point.twoCreditSpins += fields[1];
            point.spin += fields[0] + fields[1];
            point.net += double(fields[2]);
        } else {
            return {};
        }
        track.push_back(point);
        if (comma == std::string_view::npos) {
            return track;
        }
        text.remove_prefix(comma + 1);
    }
    return {};
}

} // namespace

StatisticsSection::KeyValues StatisticsSection::Values(const PlayTally& allTime,
                                                       const PlayTally& game, const Track& track) {
    KeyValues out;
    // Before the first spin there is nothing to keep: the file stays as it was.
    if (allTime.Spins == 0 && game.Spins == 0) {
        return out;
    }
    AppendTally(out, "", allTime);
    AppendTally(out, "Game", game);
    if (!track.empty()) {
        Track thinned = track;
        std::string text = TrackText(thinned);
        while (text.size() > kMaxTrackText) {
            PlayerStatistics::Thin(thinned, thinned.size() / 2);
            text = TrackText(thinned);
        }
        out.emplace_back("Track", std::move(text));
    }
    return out;
}

StatisticsSection::Tallies StatisticsSection::Read(const Lookup& lookup) {
    Tallies tallies;
    if (!ReadTally(lookup, "", tallies.allTime) || !ReadTally(lookup, "Game", tallies.game) ||
        tallies.game.Spins > tallies.allTime.Spins) {
        return Tallies{};
    }
    tallies.track = ReadTrack(lookup("Track").value_or(""));
    return tallies;
}

StatisticsSection::Tallies StatisticsSection::FromProfileText(std::string_view text) {
    return Read([text](const std::string& key) -> std::optional<std::string> {
        // Long enough to tell a track that is too long.
        std::string value = ProfileText::Read(text, kSection, key, kMissing, kMaxTrackText + 1);
        if (value == kMissing) {
            return std::nullopt;
        }
        return value;
    });
}

StatisticsSection::Tallies StatisticsSection::Load(const std::string& path) {
    return FromProfileText(ProfileFile::ReadText(path));
}

ProfileSection StatisticsSection::Section(const PlayTally& allTime, const PlayTally& game,
                                          const Track& track) {
    return ProfileSection{kSection, Values(allTime, game, track)};
}

void StatisticsSection::Save(const std::string& path, const PlayTally& allTime,
                             const PlayTally& game, const Track& track) {
    ProfileFile::Write(path, {Section(allTime, game, track)});
}

} // namespace kelvory
