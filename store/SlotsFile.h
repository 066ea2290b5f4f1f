// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelvory {

// The eight saved-game sections "Saved Game 1" to "Saved Game 8".
class SlotsFile {
  public:
    static constexpr int kSlotCount = 8;
    static constexpr std::size_t kMaxNameLength = 100;
    static constexpr std::size_t kMaxDateLength = 9;

    struct SavedSlot {
        std::string Name;
        double Credits = 0;
        double Borrowed = 0;
        std::string Date;
    };

    static std::string SectionName(int slot);

    // One slot as the profile text holds it; a slot never saved reads as a
    // fresh game ("Game #n", today, 1000 credits, 1000 borrowed).
    static SavedSlot FromProfileText(std::string_view text, int slot, const std::string& today);
    // Every slot, from one read of the file.
    static std::array<SavedSlot, kSlotCount> ReadAll(const std::string& path,
                                                     const std::string& today);

    // Writes "Name", "Date", "Credits" and "Borrowed" of the slot in this
    // order, the name whole, in one change of the file. Throws
    // ProfileWriteError and leaves the file as it was when that fails.
    static void WriteSlot(const std::string& path, int slot, const std::string& name,
                          const std::string& date, double credits, double borrowed);
};

} // namespace kelvory
