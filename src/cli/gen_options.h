// Command line of kalmotre-gen, the game's puzzle generator for the terminal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/puzzle_lines.h"
#include "generate/level.h"

namespace kalmotre::cli {

struct GenOptions {
  Level level = kStartLevel;
  long count = 1;
  // Puzzle k of a run uses seed + k (modulo 2^64).
  std::optional<std::uint64_t> seed;
  std::optional<std::string> drawsFile;
  // Generating threads, 0 for one per core; solving threads, 0 for one.
  int jobs = 0;
  bool verify = false;
  // --solve or --count-solutions: puzzles from standard input instead of new ones.
  std::optional<Judging> judging;
  bool help = false;
};

struct UsageError {
  std::string message;
};

std::variant<GenOptions, UsageError> parseGenOptions(const std::vector<std::string>& args);

inline constexpr int kMostJobs = 256;

extern const char kUsage[];

}  // namespace kalmotre::cli
