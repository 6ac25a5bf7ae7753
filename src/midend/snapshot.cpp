// The game as text: one "name value" line per field in a fixed order, a cell per line, texts with
// every byte that could break a line (and '%') written as %XX.
#include "midend/snapshot.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "board/color.h"
#include "generate/grid_check.h"
#include "input/characters.h"
#include "input/free_cells.h"
#include "knobs/knobs.h"

namespace kalmotre {

namespace {

constexpr std::string_view kHeader = "KALMOTRE-Spielstand 1";

// The colours the game paints cells in; anything else did not come from a game.
constexpr std::array kCellBackgrounds = {roles::kClue.background, roles::kOpenCell.background,
                                         roles::kCompleteUnit,    roles::kReachableEmpty,
                                         roles::kReachableFilled, roles::kOutOfReachEmpty,
                                         roles::kOutOfReachFilled};
constexpr std::array kCellForegrounds = {roles::kClue.text, roles::kOpenCell.text};

template <std::size_t N>
bool oneOf(const std::array<Color, N>& colors, Color color) {
  for (const Color c : colors) {
    if (c == color) return true;
  }
  return false;
}

void escape(std::string& out, std::string_view text) {
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte <= 0x20 || byte == 0x7F || ch == '%') {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", byte);
      out += code;
    } else {
      out += ch;
    }
  }
}

int hexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

std::optional<std::string> unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = hexDigit(text[i + 1]);
    const int low = hexDigit(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

std::optional<int> number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  if (std::to_string(value) != text) return std::nullopt;  // one way to write each number
  return value;
}

std::optional<Color> color(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  std::uint32_t value = 0;
  for (const char ch : text) {
    const int digit = hexDigit(ch);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return Color{value};
}

std::optional<Grid> grid(std::string_view text) {
  if (text.size() != kCells) return std::nullopt;
  Grid digits{};
  for (CellIndex i = 0; i < kCells; ++i) {
    const char ch = text[static_cast<std::size_t>(i)];
    if (ch < '0' || ch > '9') return std::nullopt;
    digits[i] = ch - '0';
  }
  return digits;
}

void writeGrid(std::string& out, const Grid& digits) {
  for (CellIndex i = 0; i < kCells; ++i) out += static_cast<char>('0' + digits[i]);
}

// The lines of the text, each split at its first blank into a name and a value.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}

  // The value of the next line if it has this name.
  std::optional<std::string_view> next(std::string_view name) {
    if (done_) return std::nullopt;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    if (end == std::string_view::npos) {
      done_ = true;
    } else {
      rest_.remove_prefix(end + 1);
    }
    if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
        line[name.size()] != ' ') {
      return std::nullopt;
    }
    return line.substr(name.size() + 1);
  }
  // True when nothing but a final line break is left.
  bool atEnd() const { return done_ || rest_.empty(); }

 private:
  std::string_view rest_;
  bool done_ = false;
};

}  // namespace

std::string writeSnapshot(const GameState& game, const InterfaceState& ui) {
  std::string out(kHeader);
  out += "\nlevel ";
  out += ui.level == Level::Leicht ? '0' : '1';
  out += "\ndigit ";
  escape(out, ui.chosenDigit);
  out += ui.possibilitiesOn ? "\npossibilities 1" : "\npossibilities 0";
  out += "\ncounter ";
  escape(out, ui.freeCells);
  out += "\nfocus " + std::to_string(ui.focus);
  out += "\nsolution ";
  writeGrid(out, game.solution);
  out += "\ngivens ";
  writeGrid(out, game.givens);
  for (CellIndex i = 0; i < kCells; ++i) {
    char colors[16];
    std::snprintf(colors, sizeof colors, "%06X %06X ",
                  static_cast<unsigned>(game.board.background(i).bgr),
                  static_cast<unsigned>(game.board.foreground(i).bgr));
    out += "\ncell ";
    out += colors;
    escape(out, game.board.text(i));
  }
  out += '\n';
  return out;
}

bool readSnapshot(std::string_view text, GameState& game, InterfaceState& ui) {
  if (text.size() > kSnapshotLimit) return false;
  if (text.substr(0, kHeader.size()) != kHeader || text.substr(kHeader.size(), 1) != "\n") {
    return false;
  }
  Lines lines(text.substr(kHeader.size() + 1));

  const auto level = lines.next("level");
  const auto digit = lines.next("digit");
  const auto possibilities = lines.next("possibilities");
  const auto counter = lines.next("counter");
  const auto focus = lines.next("focus");
  const auto solution = lines.next("solution");
  const auto givens = lines.next("givens");
  if (!level || !digit || !possibilities || !counter || !focus || !solution || !givens) {
    return false;
  }

  const auto levelNumber = number(*level, 0, 1);
  const auto possibilitiesFlag = number(*possibilities, 0, 1);
  const auto focusCell = number(*focus, kNoCell, kCells - 1);
  const auto digitText = unescape(*digit);
  const auto counterText = unescape(*counter);
  const auto solutionGrid = grid(*solution);
  const auto givenGrid = grid(*givens);
  if (!levelNumber || !possibilitiesFlag || !focusCell || !digitText || !counterText ||
      !solutionGrid || !givenGrid) {
    return false;
  }
  // The digit box holds what it would keep of its own text; the counter counts within the board.
  if (firstCharacter(*digitText) != *digitText) return false;
  const std::string_view prefix = kFreeCellsPrefix;
  if (counterText->substr(0, prefix.size()) != prefix ||
      !number(std::string_view(*counterText).substr(prefix.size()), 0, kCells)) {
    return false;
  }
  // Before the first puzzle there is neither a grid nor a clue; after it, the grid is complete
  // and every clue is its digit.
  bool noGrid = true;
  for (CellIndex i = 0; i < kCells; ++i) noGrid = noGrid && (*solutionGrid)[i] == 0;
  if (!noGrid && !isValidGrid(*solutionGrid)) return false;
  for (CellIndex i = 0; i < kCells; ++i) {
    const std::int32_t given = (*givenGrid)[i];
    if (given != 0 && given != (*solutionGrid)[i]) return false;
  }

  Board board;
  for (CellIndex i = 0; i < kCells; ++i) {
    const auto line = lines.next("cell");
    if (!line || line->size() < 14 || (*line)[6] != ' ' || (*line)[13] != ' ') return false;
    const auto background = color(line->substr(0, 6));
    const auto foreground = color(line->substr(7, 6));
    const auto cellText = unescape(line->substr(14));
    if (!background || !foreground || !cellText) return false;
    if (!oneOf(kCellBackgrounds, *background) || !oneOf(kCellForegrounds, *foreground)) {
      return false;
    }
    if (firstCharacters(*cellText, knobs::kCellTextLimit) != *cellText) return false;
    // A clue is locked and shows its digit; every other cell is open.
    const std::int32_t given = (*givenGrid)[i];
    if (given != 0 && *cellText != std::to_string(given)) return false;
    board.setText(i, *cellText);
    board.setColors(i, *background, *foreground);
    board.setLocked(i, given != 0);
  }
  if (!lines.atEnd()) return false;

  game.board = board;  // the assignment keeps the game's listener and tells it nothing
  game.solution = *solutionGrid;
  game.givens = *givenGrid;
  ui.level = *levelNumber == 0 ? Level::Leicht : Level::Schwer;
  ui.chosenDigit = *digitText;
  ui.possibilitiesOn = *possibilitiesFlag == 1;
  ui.freeCells = *counterText;
  ui.focus = *focusCell;
  ui.busy = false;
  ui.thinking = false;
  return true;
}

}  // namespace kalmotre
