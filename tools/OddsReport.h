// SPDX-License-Identifier: MIT
#pragma once

#include "game/ParSheet.h"

#include <string>

namespace kelvory {

// The PAR sheet as text: a table for reading, or CSV with one figure a line
// (section, stake, item, value) at full precision for checking.
namespace OddsReport {
std::string Table(const ParSheet& sheet);
std::string Csv(const ParSheet& sheet);
} // namespace OddsReport

} // namespace kelvory
