// Command line and draws file of kalmotre-gen, the game's puzzle generator for the terminal.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "board/level.h"

namespace kalmotre::cli {

struct GenOptions {
  Level level = kStartLevel;
  long count = 1;
  std::optional<double> seed;
  std::optional<std::string> drawsFile;
  bool help = false;
};

struct UsageError {
  std::string message;
};

std::variant<GenOptions, UsageError> parseGenOptions(const std::vector<std::string>& args);

struct DrawsError {
  std::string message;
};

// One decimal number per line, each with 0 <= u < 1; blank lines are skipped.
std::variant<std::vector<double>, DrawsError> readDraws(std::istream& in);

extern const char kUsage[];

}  // namespace kalmotre::cli
