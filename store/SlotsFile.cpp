// SPDX-License-Identifier: MIT
#include "store/SlotsFile.h"

#include "store/MoneyText.h"
#include "store/ProfileFile.h"
#include "store/ProfileText.h"

namespace kelvory {

namespace {
constexpr char kFreshBalance[] = "1000";
}

std::string SlotsFile::SectionName(int slot) {
    return "Saved Game " + std::to_string(slot);
}

SlotsFile::SavedSlot SlotsFile::FromProfileText(std::string_view text, int slot,
                                                const std::string& today) {
    const std::string section = SectionName(slot);
    const auto money = [&](const char* key) {
        return ParseBalance(ProfileText::Read(text, section, key, kFreshBalance));
    };
    SavedSlot saved;
    saved.Name = ProfileText::Prefix(
        ProfileText::Read(text, section, "Name", "Game #" + std::to_string(slot)), kMaxNameLength);
    saved.Date =
        ProfileText::Prefix(ProfileText::Read(text, section, "Date", today), kMaxDateLength);
    saved.Credits = money("Credits");
    saved.Borrowed = money("Borrowed");
    return saved;
}

std::array<SlotsFile::SavedSlot, SlotsFile::kSlotCount>
SlotsFile::ReadAll(const std::string& path, const std::string& today) {
    const std::string text = ProfileFile::ReadText(path);
    std::array<SavedSlot, kSlotCount> slots;
    for (int n = 1; n <= kSlotCount; ++n) {
        slots[static_cast<std::size_t>(n - 1)] = FromProfileText(text, n, today);
    }
    return slots;
}

void SlotsFile::WriteSlot(const std::string& path, int slot, const std::string& name,
                          const std::string& date, double credits, double borrowed) {
    ProfileFile::Write(path, {ProfileSection{SectionName(slot),
                                             {
                                                 {"Name", name},
                                                 {"Date", date},
                                                 {"Credits", FormatMoney(credits)},
                                                 {"Borrowed", FormatMoney(borrowed)},
                                             }}});
}

} // namespace kelvory
