// SPDX-License-Identifier: MIT
// Helper process for the profile file tests.
//   ProfileWriter write <path> <section> <key> <value>
//     performs one write; prints the error and exits 1 when it fails.
//   ProfileWriter saves <path> <first> [named]
//     saves the game again and again until killed: save n writes [Settings]
//     with Credits n and Borrowed n + 0.5, then slot 1 with the same pair.
//     "named" forces named temporary files instead of unnamed ones.
//   ProfileWriter save <path>
//     one close-time save of the [Settings] section.
#include "game/GameState.h"
#include "store/FileReplacer.h"
#include "store/ProfileFile.h"
#include "store/ProfileWriteError.h"
#include "store/SettingsFile.h"
#include "store/SlotsFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void SaveGame(const std::string& path, long n) {
    kelvory::GameState state;
    state.Credits = static_cast<double>(n);
    state.Borrowed = static_cast<double>(n) + 0.5;
    state.WinSound = "/opt/kelvory/KELVRY4.WAV";
    state.LoseSound = "/opt/kelvory/KELVRY5.WAV";
    kelvory::SettingsFile::Save(path, state, false);
}

} // namespace

int main(int argc, char* argv[]) {
    namespace ProfileFile = kelvory::ProfileFile;
    try {
        if (argc == 6 && std::strcmp(argv[1], "write") == 0) {
            ProfileFile::Write(argv[2], argv[3], argv[4], argv[5]);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "save") == 0) {
            SaveGame(argv[2], 1);
            return 0;
        }
        if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "saves") == 0) {
            kelvory::FileReplacer::SetUnnamedTemporaries(argc == 4);
            std::printf("ready\n");
            std::fflush(stdout);
            for (long n = std::strtol(argv[3], nullptr, 10);; ++n) {
                SaveGame(argv[2], n);
                kelvory::SlotsFile::WriteSlot(argv[2], 1, "Game " + std::to_string(n), "01/02/03",
                                              static_cast<double>(n), static_cast<double>(n) + 0.5);
            }
        }
    } catch (const kelvory::ProfileWriteError& error) {
        std::printf("%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: ProfileWriter write <path> <section> <key> <value>"
                         " | saves <path> <first> [named] | save <path>\n");
    return 2;
}
