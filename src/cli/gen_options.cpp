// Argument parsing for kalmotre-gen: strict, and never a crash on odd input.
#include "cli/gen_options.h"

#include <charconv>
#include <string_view>

#include "cli/excerpt.h"

namespace kalmotre::cli {

const char kUsage[] =
    "usage: kalmotre-gen [--level leicht|schwer] [--count N] [--seed S] [--jobs J] [--verify]\n"
    "       kalmotre-gen [--level leicht|schwer] --draws FILE\n"
    "       kalmotre-gen --solve | --count-solutions [--jobs J] < PUZZLES\n"
    "Prints N puzzles (default 1, level schwer), one per line: 81 characters row by row, '.' for\n"
    "an empty cell. --seed S (a whole number 0..18446744073709551615) makes the output\n"
    "reproducible: puzzle k of the run is made from seed S+k. --jobs J generates on J threads\n"
    "(default: one per core) with the same output as one. --verify checks every puzzle with an\n"
    "independent solver instead of printing it: only a failing puzzle is printed, then one\n"
    "summary line, and a failure ends with exit status 1. --draws replays one generation from\n"
    "recorded random numbers (one per line, 0 <= u < 1) and prints its puzzle, solution, givens\n"
    "and the number of draws it consumed; it takes no other option but --level.\n"
    "--solve reads puzzles from standard input, one per line (81 cells row by row, '.' or '0'\n"
    "for an empty cell; blanks and the characters | - + are left out, a line of nothing else is\n"
    "skipped, and so is a comment line, one that begins with '#') and prints each one's\n"
    "solution; a puzzle without a solution or with more than one, and a line that is no puzzle,\n"
    "get a message on standard error with the line's number, and the run ends with exit status\n"
    "1 after the remaining lines. --count-solutions prints 0, 1 or 2 (two or more) for each\n"
    "puzzle instead. Both take no other option but --jobs J, which solves on J threads (default\n"
    "one) with the same output; a line longer than 1000 characters is refused unread.\n";

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

// The whole text as a decimal whole number without sign, or nothing.
template <typename Number>
std::optional<Number> parseWhole(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::variant<GenOptions, UsageError> parseGenOptions(const std::vector<std::string>& args) {
  GenOptions options;
  bool countGiven = false;
  bool jobsGiven = false;
  bool levelGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg == "--verify") {
      options.verify = true;
      continue;
    }
    if (arg == "--solve" || arg == "--count-solutions") {
      const Judging judging = arg == "--solve" ? Judging::Solve : Judging::CountSolutions;
      if (options.judging && *options.judging != judging) {
        return UsageError{"--solve and --count-solutions go one at a time"};
      }
      options.judging = judging;
      continue;
    }
    if (arg != "--level" && arg != "--count" && arg != "--seed" && arg != "--draws" &&
        arg != "--jobs") {
      return UsageError{"unknown argument " + excerpt(arg)};
    }
    if (i + 1 >= args.size()) return UsageError{arg + " needs a value"};
    const std::string& value = args[++i];
    if (arg == "--level") {
      const std::optional<Level> level = levelByCliName(value);
      if (!level) return UsageError{"--level takes " + levelNames() + ", not " + excerpt(value)};
      options.level = *level;
      levelGiven = true;
    } else if (arg == "--count") {
      const auto count = parseWhole<long>(value);
      if (!count || *count < 1 || *count > 10'000'000) {
        return UsageError{"--count takes a whole number from 1 to 10000000, not " + excerpt(value)};
      }
      options.count = *count;
      countGiven = true;
    } else if (arg == "--seed") {
      options.seed = parseWhole<std::uint64_t>(value);
      if (!options.seed) {
        return UsageError{"--seed takes a whole number from 0 to 18446744073709551615, not " +
                          excerpt(value)};
      }
    } else if (arg == "--jobs") {
      const auto jobs = parseWhole<int>(value);
      if (!jobs || *jobs < 1 || *jobs > kMostJobs) {
        return UsageError{"--jobs takes a whole number from 1 to " + std::to_string(kMostJobs) +
                          ", not " + excerpt(value)};
      }
      options.jobs = *jobs;
      jobsGiven = true;
    } else {
      if (value.empty()) return UsageError{"--draws: no file name"};
      options.drawsFile = value;
    }
  }
  if (options.judging &&
      (levelGiven || countGiven || options.seed || options.verify || options.drawsFile)) {
    return UsageError{
        "--solve and --count-solutions read puzzles and take no other option but --jobs"};
  }
  if (options.drawsFile && (countGiven || options.seed || jobsGiven || options.verify)) {
    return UsageError{
        "--draws replays one generation and takes neither --count, --seed, --jobs nor --verify"};
  }
  return options;
}

}  // namespace kalmotre::cli
