// The levels a puzzle is made at: one row each, read by the window, the generator and the tool.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kalmotre {

enum class Level { Leicht, Schwer };

struct LevelInfo {
  Level level;
  std::string_view caption;  // the option in the window
  std::string_view cliName;  // what `kalmotre-gen --level` takes
  // Which removal passes carve the puzzle. Forced and cross-hatched clues go at every level; the
  // random pass is what makes a puzzle hard.
  bool forcedPass;
  bool crossHatchedPass;
  bool randomPass;
};

// In the order the window lists the options (optLevel(0), optLevel(1), ...).
inline constexpr std::array<LevelInfo, 2> kLevels = {{
    {Level::Leicht, "Leicht", "leicht", true, true, false},
    {Level::Schwer, "Schwer", "schwer", true, true, true},
}};

// The option selected when the window opens.
inline constexpr Level kStartLevel = Level::Schwer;

constexpr const LevelInfo& levelInfo(Level level) {
  for (const LevelInfo& info : kLevels) {
    if (info.level == level) return info;
  }
  return kLevels.front();  // unreachable: every enumerator has its row
}

// The level's row in kLevels: its option's index in the window.
constexpr int levelRow(Level level) {
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    if (kLevels[k].level == level) return static_cast<int>(k);
  }
  return 0;  // unreachable, as above
}

constexpr std::optional<Level> levelByCliName(std::string_view name) {
  for (const LevelInfo& info : kLevels) {
    if (info.cliName == name) return info.level;
  }
  return std::nullopt;
}

}  // namespace kalmotre
