// SPDX-License-Identifier: MIT
#pragma once

namespace kelvory {

// The places the program opens its help at: the contents and the topic of
// each window. The numbers are the anchors of the help file.
enum class HelpContext : int {
    Contents = 0,
    MainWindow = 41002,
    Borrowing = 41005,
    SavedGames = 41006,
    Payoffs = 41007,
    Sounds = 41009,
    Statistics = 41010,
};

} // namespace kelvory
