// SPDX-License-Identifier: MIT
#pragma once

#include "store/ProfileFile.h"

#include <cstdint>
#include <string_view>

namespace kelvory {

// The [Preferences] section of the settings file: how the player likes the
// window and the sound, beside the [Settings] section and written in the same
// save. Keys "FullScreen" and "ReducedMotion" (0 or 1; any other integer but
// 0 counts as on) and "Volume" (percent, 0 to 100). A missing key, a value
// that is not an integer, or a volume out of range reads as the default.
namespace PreferencesSection {
inline constexpr char kSection[] = "Preferences";
inline constexpr std::int32_t kMaxVolume = 100;

struct Preferences {
    bool FullScreen = false;
    std::int32_t Volume = kMaxVolume;
    // The winning row stays lit instead of flashing.
    bool ReducedMotion = false;
    bool operator==(const Preferences&) const = default;
};

Preferences FromProfileText(std::string_view text);

// The keys in their order, as a save writes them beside the other sections.
ProfileSection Section(const Preferences& preferences);
} // namespace PreferencesSection

} // namespace kelvory
