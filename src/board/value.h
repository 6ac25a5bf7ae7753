// How a cell's text is read as a number, and how such a number becomes a whole one.
#pragma once

#include <cstdint>
#include <string_view>

namespace kalmotre {

// The decimal number at the start of the text, leading blanks skipped; 0 when there is none.
// Reads an optional sign, digits, a decimal point and an exponent, independent of the locale.
// Never fails: a number beyond the range of a double is +-infinity.
double numericValue(std::string_view text);

enum class DecimalReading { kNumber, kTooLarge, kTooSmall, kNoNumber };

// The whole text as a decimal number: an optional '-', digits with an optional decimal point
// (one digit at least), an optional exponent. A number beyond a double's reach is too large or
// too close to 0; `value` is then unspecified.
DecimalReading readDecimal(std::string_view text, double& value);

// Nearest whole number, halves to the even neighbour; saturates at the int32 range, NaN gives 0.
std::int32_t roundToInt(double value);

}  // namespace kalmotre
