// Argument and draws-file parsing for kalmotre-gen: strict, and never a crash on odd input.
#include "cli/gen_options.h"

#include <charconv>
#include <cmath>

namespace kalmotre::cli {

const char kUsage[] =
    "usage: kalmotre-gen [--level leicht|schwer] [--count N] [--seed S]\n"
    "       kalmotre-gen [--level leicht|schwer] --draws FILE\n"
    "Prints N puzzles (default 1, level schwer), one per line: 81 characters row by row, '.' for\n"
    "an empty cell. --seed makes the output reproducible. --draws replays one generation from\n"
    "recorded random numbers (one per line, 0 <= u < 1) and prints its puzzle, solution, givens\n"
    "and the number of draws it consumed.\n";

namespace {

// "leicht or schwer", from the level table.
std::string levelNames() {
  std::string names;
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    if (k > 0) names += k + 1 == kLevels.size() ? " or " : ", ";
    names += kLevels[k].cliName;
  }
  return names;
}

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// The whole text as a finite double, or nothing.
std::optional<double> parseNumber(std::string_view text) {
  double value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (begin != end && *begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc{} || ptr != end || begin == end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::variant<GenOptions, UsageError> parseGenOptions(const std::vector<std::string>& args) {
  GenOptions options;
  bool countGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg != "--level" && arg != "--count" && arg != "--seed" && arg != "--draws") {
      return UsageError{"unknown argument '" + arg + "'"};
    }
    if (i + 1 >= args.size()) return UsageError{arg + " needs a value"};
    const std::string& value = args[++i];
    if (arg == "--level") {
      const std::optional<Level> level = levelByCliName(value);
      if (!level) return UsageError{"--level takes " + levelNames() + ", not '" + value + "'"};
      options.level = *level;
    } else if (arg == "--count") {
      long count = 0;
      const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), count);
      if (ec != std::errc{} || ptr != value.data() + value.size() || count < 1 ||
          count > 10'000'000) {
        return UsageError{"--count takes a whole number from 1 to 10000000, not '" + value + "'"};
      }
      options.count = count;
      countGiven = true;
    } else if (arg == "--seed") {
      options.seed = parseNumber(value);
      if (!options.seed) return UsageError{"--seed takes a number, not '" + value + "'"};
    } else {
      options.drawsFile = value;
    }
  }
  if (options.drawsFile && (countGiven || options.seed)) {
    return UsageError{"--draws replays one generation and takes neither --count nor --seed"};
  }
  return options;
}

std::variant<std::vector<double>, DrawsError> readDraws(std::istream& in) {
  std::vector<double> draws;
  std::string line;
  long lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    const std::string_view text = trim(line);
    if (text.empty()) continue;
    const std::optional<double> u = parseNumber(text);
    const std::string where =
        "line " + std::to_string(lineNumber) + ": '" + std::string(text) + "'";
    if (!u) return DrawsError{where + " is not a decimal number"};
    if (*u < 0.0 || *u >= 1.0) return DrawsError{where + " is outside 0 <= u < 1"};
    draws.push_back(*u);
  }
  if (in.bad()) return DrawsError{"the file could not be read to its end"};
  return draws;
}

}  // namespace kalmotre::cli
