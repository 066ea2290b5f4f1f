// SPDX-License-Identifier: MIT
// What the close-time save costs with a large settings file (~1.6 MB of
// sections the program does not know): the whole [Settings] section in one
// replace, against the former way of one replace per key; and the save after
// every spin's payout, which writes the statistics too.
#include "game/GameState.h"
#include "store/ProfileFile.h"
#include "store/SettingsFile.h"
#include "store/StatisticsSection.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace kelvory;

namespace {

struct LargeFile {
    std::string folder;
    std::string path;

    LargeFile() {
        char name[] = "/tmp/kelvory-save-bench-XXXXXX";
        folder = ::mkdtemp(name) != nullptr ? name : "/tmp";
        path = folder + "/KELVRY.INI";
        std::string text;
        for (int section = 0; text.size() < 1600000; ++section) {
            text += "[Unknown " + std::to_string(section) + "]\n";
            for (int key = 0; key < 20; ++key) {
                text += "Key" + std::to_string(key) + "=" + std::string(60 + key, 'v') + "\n";
            }
        }
        std::ofstream(path, std::ios::binary) << text;
    }
    ~LargeFile() {
        std::remove(path.c_str());
        ::rmdir(folder.c_str());
    }
};

GameState State() {
    GameState state;
    state.WinSound = "/usr/share/kelvory/KELVRY4.WAV";
    state.LoseSound = "/usr/share/kelvory/KELVRY5.WAV";
    return state;
}

void BM_CloseSaveOneReplace(benchmark::State& run) {
    const LargeFile file;
    GameState state = State();
    for (auto _ : run) {
        state.Credits += 1;
        SettingsFile::Save(file.path, state, false);
    }
}
BENCHMARK(BM_CloseSaveOneReplace)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CloseSaveReplacePerKey(benchmark::State& run) {
    const LargeFile file;
    GameState state = State();
    for (auto _ : run) {
        state.Credits += 1;
        for (const auto& [key, value] : SettingsFile::Section(state, false).Values) {
            ProfileFile::Write(file.path, SettingsFile::kSection, key, value);
        }
    }
}
BENCHMARK(BM_CloseSaveReplacePerKey)->Unit(benchmark::kMillisecond)->UseRealTime();

// The main window's save after a spin's payout: [Settings] and [Statistics]
// in one replace, the unknown sections kept.
void BM_SaveAfterSpin(benchmark::State& run) {
    const LargeFile file;
    GameState state = State();
    PlayTally allTime;
    PlayTally game;
    for (auto _ : run) {
        state.Credits += 1;
        ++state.Spins;
        allTime.AddSpin(1, 2, 7);
        game.AddSpin(1, 2, 7);
        ProfileFile::Write(file.path, {SettingsFile::Section(state, false),
                                       StatisticsSection::Section(allTime, game)});
    }
    std::ifstream kept(file.path, std::ios::binary | std::ios::ate);
    run.counters["file bytes"] = static_cast<double>(kept.tellg());
}
BENCHMARK(BM_SaveAfterSpin)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
