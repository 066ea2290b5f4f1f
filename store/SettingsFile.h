#pragma once

#include "GameState.h"

#include <string>

namespace kelvory {

// The [Settings] section: the player's options and the current game, read at
// start-up and written when the main window closes.
class SettingsFile {
  public:
    static constexpr char kSection[] = "Settings";
    // The longest sound path kept.
    static constexpr std::size_t kMaxPathLength = 255;

    // Reads the section into the state; a missing or unusable value keeps the
    // field as it is. Returns whether the window is to open maximised.
    static bool Load(const std::string& path, GameState& state);

    // Writes the fourteen keys in their order, one write each. Throws
    // ProfileWriteError at the first write that fails; the keys before it stay
    // written.
    static void Save(const std::string& path, const GameState& state, bool maximised);
};

} // namespace kelvory
