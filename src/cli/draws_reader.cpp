// Reading draws lazily, with a bound on every line.
#include "cli/draws_reader.h"

#include <exception>
#include <string_view>

#include "board/value.h"
#include "cli/excerpt.h"

namespace kalmotre::cli {

namespace {

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

}  // namespace

std::optional<double> DrawsReader::next() {
  // A read error (a directory, a failing disk) surfaces as an exception from the buffer.
  try {
    return readNext();
  } catch (const std::exception&) {
    error_ = "line " + std::to_string(lineNumber_) + " could not be read";
    return std::nullopt;
  }
}

std::optional<double> DrawsReader::readNext() {
  bool tooLong = false;
  while (error_.empty()) {
    ++lineNumber_;
    if (!lines_.next(line_, tooLong)) break;
    if (tooLong) {
      error_ = "line " + std::to_string(lineNumber_) + ": " + excerpt(line_) + " is longer than " +
               std::to_string(kLongestLine) + " bytes";
      break;
    }
    const std::string_view text = trim(line_);
    if (text.empty()) continue;
    double u = 0.0;
    // A leading '+' is allowed too; readDecimal takes the decimal numbers of the cells.
    const DecimalReading reading = readDecimal(text.front() == '+' ? text.substr(1) : text, u);
    const std::string where = "line " + std::to_string(lineNumber_) + ": " + excerpt(text);
    if (reading == DecimalReading::kNoNumber) {
      error_ = where + " is not a decimal number";
    } else if (reading == DecimalReading::kTooSmall) {
      error_ = where + " is too close to 0 for a double to hold";
    } else if (reading == DecimalReading::kTooLarge || u < 0.0 || u >= 1.0) {
      error_ = where + " is outside 0 <= u < 1";
    } else {
      return u;
    }
  }
  return std::nullopt;
}

double ReaderRandomSource::draw() {
  if (const std::optional<double> u = reader_.next()) return *u;
  if (!reader_.error().empty()) throw DrawsFileError(reader_.error());
  // This draw was counted already but never made.
  throw DrawsExhausted(drawCount() - 1);
}

}  // namespace kalmotre::cli
