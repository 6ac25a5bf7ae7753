// The game as text: one "name value" line per field in a fixed order, a cell per line, texts with
// every byte that could break a line (and '%') written as %XX. Everything else is written in the
// core's own terms: the level by its row of the level table, grids in the one-line form, colours
// by the names of their roles, the counter as its number.
#include "midend/snapshot.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "board/color.h"
#include "board/one_line.h"
#include "generate/grid_check.h"
#include "input/characters.h"
#include "knobs/knobs.h"

namespace kalmotre {

namespace {

// The second form: the first wrote levels, grids, colours and the counter in codes of its own,
// and a text in it is refused (the page then starts afresh).
constexpr std::string_view kHeader = "KALMOTRE-Spielstand 2";

template <std::size_t N>
std::string_view roleName(const std::array<roles::NamedColor, N>& named, Color color) {
  for (const roles::NamedColor& n : named) {
    if (n.color == color) return n.name;
  }
  return "?";  // no colour a game paints: the text will not read back
}

// Only the colours the game paints cells in have a name; anything else did not come from a game.
template <std::size_t N>
std::optional<Color> roleColor(const std::array<roles::NamedColor, N>& named,
                               std::string_view name) {
  for (const roles::NamedColor& n : named) {
    if (n.name == name) return n.color;
  }
  return std::nullopt;
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

// A grid in the one-line form, exactly as oneLine() writes it.
std::optional<Grid> grid(std::string_view text) {
  if (text.size() != kCells) return std::nullopt;
  for (const char ch : text) {
    if (ch != '.' && (ch < '1' || ch > '9')) return std::nullopt;
  }
  return digitsFromLine(text);
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
  out += "\nlevel " + std::to_string(levelRow(ui.level));
  out += "\ndigit ";
  escape(out, ui.chosenDigit);
  out += ui.possibilitiesOn ? "\npossibilities 1" : "\npossibilities 0";
  out += "\ncounter " + std::to_string(ui.freeCells);
  out += "\nfocus " + std::to_string(ui.focus);
  out += "\nsolution " + oneLine(game.solution);
  out += "\ngivens " + oneLine(game.givens);
  for (CellIndex i = 0; i < kCells; ++i) {
    out += "\ncell ";
    out += roleName(roles::kCellBackgrounds, game.board.background(i));
    out += ' ';
    out += roleName(roles::kCellTexts, game.board.foreground(i));
    out += ' ';
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

  const auto levelNumber = number(*level, 0, static_cast<int>(kLevels.size()) - 1);
  const auto possibilitiesFlag = number(*possibilities, 0, 1);
  const auto focusCell = number(*focus, kNoCell, kCells - 1);
  const auto digitText = unescape(*digit);
  const auto counterNumber = number(*counter, 0, kCells);
  const auto solutionGrid = grid(*solution);
  const auto givenGrid = grid(*givens);
  if (!levelNumber || !possibilitiesFlag || !focusCell || !digitText || !counterNumber ||
      !solutionGrid || !givenGrid) {
    return false;
  }
  // The digit box holds what it would keep of its own text.
  if (firstCharacter(*digitText) != *digitText) return false;
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
    if (!line) return false;
    const std::size_t first = line->find(' ');
    const std::size_t second = line->find(' ', first == std::string_view::npos ? 0 : first + 1);
    if (second == std::string_view::npos) return false;
    const auto background = roleColor(roles::kCellBackgrounds, line->substr(0, first));
    const auto foreground =
        roleColor(roles::kCellTexts, line->substr(first + 1, second - first - 1));
    const auto cellText = unescape(line->substr(second + 1));
    if (!background || !foreground || !cellText) return false;
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
  ui.level = kLevels[static_cast<std::size_t>(*levelNumber)].level;
  ui.chosenDigit = *digitText;
  ui.possibilitiesOn = *possibilitiesFlag == 1;
  ui.freeCells = *counterNumber;
  ui.focus = *focusCell;
  ui.busy = false;
  ui.thinking = false;
  return true;
}

}  // namespace kalmotre
