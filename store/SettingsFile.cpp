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
    explicit SettingsReader(const std::string& path) : path_(path) {}

    std::string Text(const char* key, const std::string& defaultValue) const {
        return ProfileFile::Read(path_, SettingsFile::kSection, key, defaultValue);
    }
    double Money(const char* key, double current) const {
        return ParseMoney(Text(key, FormatMoney(current)).substr(0, kMaxMoneyTextLength));
    }
    std::int32_t Integer(const char* key, std::int32_t current) const {
        const std::string fallback = std::to_string(current);
        return ParseInteger(Text(key, fallback), current);
    }
    bool Switch(const char* key, bool current) const { return Integer(key, current ? 1 : 0) != 0; }

  private:
    const std::string& path_;
};

const char* Flag(bool on) {
    return on ? "1" : "0";
}

} // namespace

bool SettingsFile::Load(const std::string& path, GameState& state) {
    // Start-up is when no earlier copy can still be writing: clear what a
    // killed save left.
    ProfileFile::RemoveStaleTemporaries(path);
    const SettingsReader read(path);
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
    state.Speed = read.Integer("Speed", state.Speed);
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
