// SPDX-License-Identifier: MIT
#pragma once

#include "store/ProfileFile.h"

#include <string>
#include <string_view>

namespace kelvory {

struct GameState;

// The [Settings] section: the player's options and the current game, read at
// start-up and written when the main window closes.
namespace SettingsFile {
inline constexpr char kSection[] = "Settings";

// Reads the section of the profile text into the state; a missing or
// unusable value keeps the field as it is. Returns whether the window is to
// open maximised.
bool FromProfileText(std::string_view text, GameState& state);

// The same from the file as the start reads it (ProfileFile::ReadAtStartUp).
bool Load(const std::string& path, GameState& state);

// The fourteen keys in their order, as the close-time save writes them.
// Other sections saved at the same moment go into the same
// ProfileFile::Write, so that they change together.
ProfileSection Section(const GameState& state, bool maximised);

// Writes the section in one change of the file. Throws ProfileWriteError
// and leaves the file as it was when that fails.
void Save(const std::string& path, const GameState& state, bool maximised);
} // namespace SettingsFile

} // namespace kelvory
