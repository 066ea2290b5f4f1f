// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvory {

// Integers and switches as the profile file stores them. "0x1F" (longer than
// two characters) and "$1F" are hexadecimal, anything else a decimal integer
// with an optional sign. A text that is not wholly a valid 32-bit integer
// gives the default.
std::int32_t ParseInteger(std::string_view text, std::int32_t defaultValue);

} // namespace kelvory
