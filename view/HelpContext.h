// SPDX-License-Identifier: MIT
#pragma once

namespace kelvory {

// The help contexts the program opens its help at: the contents and the topic
// of each window. A window's F1 and its help buttons use these numbers.
namespace HelpContext {
enum Id : int {
    Contents = 0,
    MainWindow = 41002,
    Borrowing = 41005,
    SavedGames = 41006,
    Payoffs = 41007,
    Sounds = 41009,
    Statistics = 41010,
};
} // namespace HelpContext

} // namespace kelvory
