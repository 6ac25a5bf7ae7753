// Reading numbers out of cell texts without locale, exceptions or overflow.
#include "board/value.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kalmotre {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest prefix of text that reads as [digits][.digits][e[sign]digits] with at
// least one mantissa digit; 0 when there is none.
std::size_t numberLength(std::string_view text) {
  std::size_t i = 0;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// When from_chars reports the number out of range, decide between overflow and underflow.
bool overflows(std::string_view number) {
  long long exponent = 0;
  long long scale = 0;  // decimal position of the first significant digit
  bool seenSignificant = false;
  bool afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (!seenSignificant && c == '0') {
      if (afterPoint) --scale;
    } else {
      if (!seenSignificant) {
        seenSignificant = true;
        if (afterPoint) --scale;
      } else if (!afterPoint) {
        ++scale;
      }
    }
  }
  if (!seenSignificant) return false;
  if (i < number.size()) {
    ++i;
    bool negative = false;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
    for (; i < number.size() && exponent < 1'000'000; ++i)
      exponent = exponent * 10 + (number[i] - '0');
    if (negative) exponent = -exponent;
  }
  return scale + exponent > 0;
}

}  // namespace

DecimalReading readDecimal(std::string_view text, double& value) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view number = negative ? text.substr(1) : text;
  if (number.empty() || numberLength(number) != number.size()) return DecimalReading::kNoNumber;
#if defined(__cpp_lib_to_chars)
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    return overflows(number) ? DecimalReading::kTooLarge : DecimalReading::kTooSmall;
  }
  if (error != std::errc{}) return DecimalReading::kNoNumber;
#else
  // A C library without floating-point from_chars (emscripten's): strtod, on a text that the
  // check above has made a plain decimal, in the only locale there is.
  const std::string copy(text);
  errno = 0;
  value = std::strtod(copy.c_str(), nullptr);
  if (errno == ERANGE) {
    return overflows(number) ? DecimalReading::kTooLarge : DecimalReading::kTooSmall;
  }
#endif
  return DecimalReading::kNumber;
}

double numericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::string_view number = text.substr(i, numberLength(text.substr(i)));
  if (number.empty()) return 0.0;

  double magnitude = 0.0;
  switch (readDecimal(number, magnitude)) {
    case DecimalReading::kNumber:
      break;
    case DecimalReading::kTooLarge:
      magnitude = std::numeric_limits<double>::infinity();
      break;
    case DecimalReading::kTooSmall:
    case DecimalReading::kNoNumber:
      magnitude = 0.0;
      break;
  }
  return negative ? -magnitude : magnitude;
}

std::int32_t roundToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  const double rounded = std::nearbyint(value);  // the default rounding mode sends halves to even
  if (rounded <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (rounded >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace kalmotre
