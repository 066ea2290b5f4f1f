// SPDX-License-Identifier: MIT
#include "store/PreferencesSection.h"

#include "store/IntegerText.h"
#include "store/ProfileText.h"

#include <string>

namespace kelvory {

namespace {
constexpr char kNotStored[] = "";

// The stored integer, or the fallback when the key is missing or its value
// is not an integer.
std::int32_t ReadInteger(std::string_view text, const char* key, std::int32_t fallback) {
    return ParseInteger(ProfileText::Read(text, PreferencesSection::kSection, key, kNotStored),
                        fallback);
}

bool ReadSwitch(std::string_view text, const char* key, bool fallback) {
    return ReadInteger(text, key, fallback ? 1 : 0) != 0;
}

const char* Flag(bool on) {
    return on ? "1" : "0";
}
} // namespace

PreferencesSection::Preferences PreferencesSection::FromProfileText(std::string_view text) {
    Preferences preferences;
    preferences.FullScreen = ReadSwitch(text, "FullScreen", preferences.FullScreen);
    const std::int32_t volume = ReadInteger(text, "Volume", preferences.Volume);
    if (volume >= 0 && volume <= kMaxVolume) {
        preferences.Volume = volume;
    }
    preferences.ReducedMotion = ReadSwitch(text, "ReducedMotion", preferences.ReducedMotion);
    return preferences;
}

ProfileSection PreferencesSection::Section(const Preferences& preferences) {
    return {kSection,
            {
                {"FullScreen", Flag(preferences.FullScreen)},
                {"Volume", std::to_string(preferences.Volume)},
                {"ReducedMotion", Flag(preferences.ReducedMotion)},
            }};
}

} // namespace kelvory
