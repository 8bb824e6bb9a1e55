// Decimal numbers as the original engine converted them: strict, with an error the caller sees.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Leading blanks and one sign are tolerated; anything else that is not a digit, an empty text,
// or a value outside the signed 32-bit range is an error (nothing returned).
std::optional<int32_t> ParseDecimal(std::string_view text);

// Zero-padded on the left to at least `width` characters (a longer number is written whole).
std::string PadDecimal(uint64_t value, int width);

}  // namespace orvane
