// SPDX-License-Identifier: MIT
#include "store/SettingsFile.h"

#include "game/GameState.h"
#include "store/DefaultSoundPath.h"
#include "store/IntegerText.h"
#include "store/MoneyText.h"
#include "store/ProfileFile.h"
#include "store/ProfileText.h"

namespace kelvory {

namespace {

class SettingsReader {
  public:
    explicit SettingsReader(std::string_view text) : text_(text) {}

    std::string Text(const char* key, const std::string& defaultValue) const {
        return ProfileText::Read(text_, SettingsFile::kSection, key, defaultValue);
    }
    double Money(const char* key, double current) const {
        return ParseBalance(Text(key, FormatMoney(current)));
    }
    std::int32_t Integer(const char* key, std::int32_t current) const {
        const std::string fallback = std::to_string(current);
        return ParseInteger(Text(key, fallback), current);
    }
    bool Switch(const char* key, bool current) const { return Integer(key, current ? 1 : 0) != 0; }

  private:
    std::string_view text_;
};

constexpr std::int32_t kMinSpeedMs = 1;
constexpr std::int32_t kMaxSpeedMs = 1000;

const char* Flag(bool on) {
    return on ? "1" : "0";
}

} // namespace

bool SettingsFile::Load(const std::string& path, GameState& state) {
    return FromProfileText(ProfileFile::ReadAtStartUp(path), state);
}

bool SettingsFile::FromProfileText(std::string_view text, GameState& state) {
    const SettingsReader read(text);
    state.Credits = read.Money("Credits", state.Credits);
    state.Borrowed = read.Money("Borrowed", state.Borrowed);
    state.Spins = read.Integer("Spins", 0);
    const bool maximised = read.Switch("Maxed", false);
    state.Sound = read.Switch("Sound", state.Sound);
    state.sndCoins = read.Switch("sndCoins", state.sndCoins);
    state.sndCredits = read.Switch("sndCredits", state.sndCredits);
    state.sndSpin = read.Switch("sndSpin", state.sndSpin);
    state.sndStop = read.Switch("sndStop", state.sndStop);
    state.sndWin = read.Switch("sndWin", state.sndWin);
    state.sndLose = read.Switch("sndLose", state.sndLose);
    // A spin is about a hundred ticks: a tick of no time or of more than a
    // second is no speed to play at.
    const std::int32_t speed = read.Integer("Speed", state.Speed);
    state.Speed = speed >= kMinSpeedMs && speed <= kMaxSpeedMs ? speed : kSpinSpeeds[0].TickMs;
    // A default sound saved by a copy of the program that has since moved is
    // read as the default of this copy.
    state.WinSound = DefaultSoundPath::Resolve(
        ProfileText::Prefix(read.Text("WinSound", state.WinSound), kMaxTextLength), state.WinSound);
    state.LoseSound = DefaultSoundPath::Resolve(
        ProfileText::Prefix(read.Text("LoseSound", state.LoseSound), kMaxTextLength),
        state.LoseSound);
    return maximised;
}

ProfileSection SettingsFile::Section(const GameState& state, bool maximised) {
    return {kSection,
            {
                {"Credits", FormatMoney(state.Credits)},
                {"Borrowed", FormatMoney(state.Borrowed)},
                {"Spins", std::to_string(state.Spins)},
                {"Maxed", Flag(maximised)},
                {"Sound", Flag(state.Sound)},
                {"sndCoins", Flag(state.sndCoins)},
                {"sndCredits", Flag(state.sndCredits)},
                {"sndSpin", Flag(state.sndSpin)},
                {"sndStop", Flag(state.sndStop)},
                {"sndWin", Flag(state.sndWin)},
                {"sndLose", Flag(state.sndLose)},
                {"Speed", std::to_string(state.Speed)},
                {"WinSound", state.WinSound},
                {"LoseSound", state.LoseSound},
            }};
}

void SettingsFile::Save(const std::string& path, const GameState& state, bool maximised) {
    ProfileFile::Write(path, {Section(state, maximised)});
}

} // namespace kelvory
