// Both windows as data: one row per control, with its place in twips, caption, font, colours,
// screen-reader names and tab order. Every front end builds its widgets by walking this table;
// the numbers and captions of the layout stand here and nowhere else.
#pragma once

#include <array>
#include <cassert>
#include <string>
#include <string_view>

#include "board/color.h"
#include "board/geometry.h"
#include "generate/level.h"
#include "knobs/knobs.h"
#include "midend/arrangement.h"

namespace kalmotre {

// A front end knows the kinds and the properties by their names in json.cpp:
// a new one goes last there and here.
enum class ControlKind {
  Window,    // a top-level window; its rectangle is its client area (on the screen for frmStart)
  MenuItem,  // an item of the main window's menu bar, in table order
  Frame,     // a container; a caption sits on its top border
  Label,
  TextBox,  // a one-line text box the player may type into
  Button,
  Option,     // one of a group of option buttons (the level)
  Cell,       // a cell of the board: a text box
  HelpLabel,  // a label of the hidden help grid that mirrors the complete grid
  Shape,      // a plain rectangle with a border in its text colour
  Image,      // the logo, stretched to its box
  Timer,      // no face: a front end runs it while the mid end asks
};

enum class WindowName { Main, Splash };

// What a control does when it is clicked (a menu item also by Return, a button also by its
// key): every way in to a command runs the same one.
enum class Command {
  None,
  NewPuzzle,    // "Erzeuge neues Sodoku"
  Solve,        // "Computer soll Lösung suchen"
  NextDigit,    // "+"
  Restart,      // "Spiel neu beginnen"
  Reload,       // "Sudoku neu Laden"
  Quit,         // "Beenden"
  ChooseLevel,  // an option of the level: its index is the level's row
  OpenMaker,    // the maker's web page, while the splash window is up
  Print,        // the board on paper
  Select,       // a text box: its whole text is selected, so a digit typed next replaces it
};

// What a control shows of the game while it runs; a control that shows nothing changing keeps
// its design state.
enum class Shows {
  Design,
  Cell,         // its cell: text, colours, read-only, what a screen reader says, marks
  HelpDigit,    // its digit of the complete grid
  Level,        // whether its level is the chosen one
  FreeCells,    // the counter
  ChosenDigit,  // the digit the possibilities are shown for
  Thinking,     // shown while a puzzle is made
  Splash,       // shown while the splash window is up
  Countdown,    // the splash window's count
  Running,      // a timer that runs while the splash window is up
  MenuChoice,   // the menu item the keyboard has chosen
};

// How a screen reader hears a control's text besides when it is read out.
enum class Speech {
  None,
  Live,    // each change, politely
  OnShow,  // once, as it (or its window) comes up
};

// Where a label's or a box's text sits in its rectangle.
enum class Align {
  TopLeft,
  Left,    // vertically centred
  Center,  // both ways
  Right,   // vertically centred
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;  // twips
  friend constexpr bool operator==(Rect, Rect) = default;
};

struct Font {
  std::string_view family = "Arial";
  double points = 8.25;
  bool bold = false;
};

// A colour the control leaves to the desktop's theme.
inline constexpr Color kThemeColor{0xFFFFFFFFu};

inline constexpr int kNoControl = -1;

struct Control {
  std::string_view name{};  // the game's name; an element of a control array has its index too
  int index = -1;           // the element's index in its array, -1 for a control of its own
  ControlKind kind = ControlKind::Label;
  WindowName window = WindowName::Main;
  int container = kNoControl;  // the window or frame it lies in (its rectangle is relative to it)
  Rect rect{};
  std::string_view caption{};  // caption or text at design time
  Font font{};
  Color background = kThemeColor;
  Color foreground = kThemeColor;  // text colour; a shape's border
  std::string_view toolTip{};
  std::string_view accessibleName{};  // "{row}" and "{column}" stand for a cell's place, from 1
  std::string_view accessibleDescription{};
  int tabIndex = -1;  // place in the keyboard's walk, -1 when the control takes no tab stop
  Align align = Align::TopLeft;
  bool hidden = false;       // not visible at design time
  bool sizedToText = false;  // only the top-left corner is fixed (the right edge for Align::Right)
  bool wordWrap = false;
  bool bordered = false;            // a single-line border
  bool link = false;                // a click opens the maker's web page
  int maxLength = 0;                // characters a text box keeps, 0 for no limit
  int interval = 0;                 // a timer's interval in milliseconds
  Command command = Command::None;  // what a click runs
  Command drop = Command::None;     // what dropping something of this program onto it runs
  Shows shows = Shows::Design;
  Speech speech = Speech::None;
  PhonePlace phone{};  // its region, order and type in the phone arrangement
};

// Keys that run a command wherever the keyboard is, held with Strg.
struct Shortcut {
  char key;  // the lower-case letter, as the browser names the key
  Command command;
};
inline constexpr std::array<Shortcut, 3> kShortcuts = {
    {{'n', Command::NewPuzzle}, {'q', Command::Quit}, {'p', Command::Print}}};

inline constexpr std::string_view kWindowTitle = "KALMOTRE";
inline constexpr std::string_view kMakerAddress = "https://tavuro.example/";

namespace detail {

inline constexpr std::array<int, kUnitSize> kCellLefts = {120,  705,  1290, 1920, 2505,
                                                          3090, 3720, 4305, 4890};
inline constexpr std::array<int, kUnitSize> kCellTops = {1320, 1905, 2490, 3120, 3705,
                                                         4290, 4920, 5505, 6090};
inline constexpr std::array<int, kUnitSize> kHelpLefts = {5805, 6090, 6375, 6675, 6960,
                                                          7245, 7545, 7830, 8115};
inline constexpr std::array<int, kUnitSize> kHelpTops = {1275, 1560, 1845, 2145, 2430,
                                                         2715, 3015, 3300, 3585};

using R = Region;

// The rows in the order the controls are stacked: a later one is drawn above an earlier one
// where they overlap (the digit box and "+" above the help area, Frame2 above the board).
// `add` takes a row and answers its id; the table is this walk, made twice: once to count the
// rows, once to keep them.
template <typename Add>
constexpr void describeControls(Add add) {
  const Font bold825{"Arial", 8.25, true};

  const int main = add({.name = "frmStart",
                        .kind = ControlKind::Window,
                        .rect = {3135, 2565, 5625, 6735},
                        .caption = kWindowTitle});
  add({.name = "SudokuLaden",
       .kind = ControlKind::MenuItem,
       .container = main,
       .caption = "Sudoku neu Laden",
       .command = Command::Reload,
       .shows = Shows::MenuChoice,
       .phone = {R::Menu, 0, 16}});
  add({.name = "mnuEnde_",
       .index = 1,
       .kind = ControlKind::MenuItem,
       .container = main,
       .caption = "Beenden",
       .command = Command::Quit,
       .shows = Shows::MenuChoice,
       .phone = {R::Menu, 1, 16}});

  const int frame1 = add({.name = "Frame1",
                          .kind = ControlKind::Frame,
                          .container = main,
                          .rect = {0, 0, 2175, 1215},
                          .caption = "Hilfebereich",
                          .background = roles::kHelpArea,
                          .foreground = roles::kTextOnFixedBackground,
                          .toolTip = "Hast Du das nötig ?",
                          .phone = {R::Help, 0, 14}});
  add({.name = "Label2",
       .index = 0,
       .container = frame1,
       .rect = {210, 270, 1755, 210},
       .caption = "Zeige die Möglichkeiten: ",
       .background = roles::kHelpArea,
       .sizedToText = true,
       .phone = {R::Help, 1, 14}});
  add({.name = "Label3",
       .container = frame1,
       .rect = {240, 540, 855, 285},
       .caption = "für die Zahl",
       .background = roles::kHelpArea,
       .sizedToText = true,
       .phone = {R::Help, 2, 14}});
  add({.name = "Label4",
       .container = frame1,
       .rect = {240, 840, 960, 210},
       .caption = "Nächste Zahl",
       .background = roles::kHelpArea,
       .sizedToText = true,
       .phone = {R::Help, 4, 14}});
  // The digit box and "+" belong to the window, not to the frame, yet lie inside it.
  add({.name = "txtShow",
       .kind = ControlKind::TextBox,
       .container = main,
       .rect = {1320, 480, 255, 315},
       .caption = "X",
       .font = bold825,
       .background = roles::kChosenDigitBox,
       .foreground = roles::kTextOnFixedBackground,
       .accessibleName = "Zeige die Möglichkeiten für die Zahl",
       .tabIndex = 5 + kCells,
       .align = Align::Center,
       .maxLength = 1,
       .command = Command::Select,
       .shows = Shows::ChosenDigit,
       .phone = {R::Help, 3, 18}});
  add({.name = "btnPlus",
       .kind = ControlKind::Button,
       .container = main,
       .rect = {1320, 840, 255, 285},
       .caption = "+",
       .font = {"Arial", 12, true},
       .accessibleName = "+ Nächste Zahl",
       .tabIndex = 6 + kCells,
       .command = Command::NextDigit,
       .phone = {R::Help, 5, 22}});

  add({.name = "btnGO",
       .kind = ControlKind::Button,
       .container = main,
       .rect = {2355, 0, 1560, 630},
       .caption = "Erzeuge neues Sodoku",
       .tabIndex = 0,
       .wordWrap = true,
       .command = Command::NewPuzzle,
       .phone = {R::Commands, 0, 14}});
  add({.name = "btnLoesung",
       .kind = ControlKind::Button,
       .container = main,
       .rect = {4035, 0, 1575, 630},
       .caption = "Computer soll Lösung suchen",
       .toolTip = "Nur als letzte Möglichkeit gedacht!",
       .tabIndex = 1,
       .wordWrap = true,
       .command = Command::Solve,
       .phone = {R::Commands, 1, 14}});
  add({.name = "BtnZur",
       .kind = ControlKind::Button,
       .container = main,
       .rect = {4545, 660, 960, 630},
       .caption = "Spiel neu beginnen",
       .background = roles::kRestartButton,
       .foreground = roles::kTextOnFixedBackground,
       .tabIndex = 4,
       .wordWrap = true,
       .command = Command::Restart,
       .phone = {R::Commands, 2, 14}});
  add({.name = "Label5",
       .container = main,
       .rect = {2520, 960, 855, 375},
       .caption = "Level",
       .font = {"Arial", 9.75, true},
       .phone = {R::Level, 0, 16}});
  // One option per level, 240 twips apart, in the order of the level table.
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    const int step = 240 * static_cast<int>(k);
    add({.name = "optLevel",
         .index = static_cast<int>(k),
         .kind = ControlKind::Option,
         .container = main,
         .rect = {3360, 840 + step, 1110, 225},
         .caption = kLevels[k].caption,
         .accessibleDescription = "Level",
         .tabIndex = 2 + static_cast<int>(k),
         .command = Command::ChooseLevel,
         .shows = Shows::Level,
         .phone = {R::Level, 1 + static_cast<int>(k), 16}});
  }

  for (CellIndex i = 0; i < kCells; ++i) {
    add({.name = "txtZahl",
         .index = i,
         .kind = ControlKind::Cell,
         .container = main,
         .rect = {kCellLefts[static_cast<std::size_t>(columnOf(i))],
                  kCellTops[static_cast<std::size_t>(rowOf(i))], 600, 600},
         .font = {"Arial", 20.25, true},
         .accessibleName = "Zeile {row}, Spalte {column}",
         .tabIndex = 5 + i,
         .align = Align::Center,
         .maxLength = knobs::kCellTextLimit,
         .command = Command::Select,
         .shows = Shows::Cell,
         .phone = {R::Board, kUnitSize * rowOf(i) + columnOf(i), 22, 0.06}});
  }

  add({.name = "Shape1",
       .kind = ControlKind::Shape,
       .container = main,
       .rect = {5760, 1230, 2700, 2700},
       .foreground = roles::kHelpGridFrame});
  for (CellIndex i = 0; i < kCells; ++i) {
    add({.name = "lblZahl",
         .index = i,
         .kind = ControlKind::HelpLabel,
         .container = main,
         .rect = {kHelpLefts[static_cast<std::size_t>(columnOf(i))],
                  kHelpTops[static_cast<std::size_t>(rowOf(i))], 300, 300},
         .background = roles::kHelpGrid.background,
         .foreground = roles::kHelpGrid.text,
         .align = Align::Center,
         .hidden = true,
         .shows = Shows::HelpDigit});
  }
  add({.name = "lblFrei",
       .container = main,
       .rect = {5805, 4065, 1350, 225},
       .caption = "Freie Felder: ",
       .shows = Shows::FreeCells,
       .speech = Speech::Live,
       .phone = {R::Counter, 0, 16}});

  const int frame2 = add({.name = "Frame2",
                          .kind = ControlKind::Frame,
                          .container = main,
                          .rect = {60, 1305, 5415, 5385},
                          .hidden = true,
                          .shows = Shows::Thinking,
                          .speech = Speech::OnShow,
                          .phone = {R::Thinking, 0, 0}});
  add({.name = "Label1",
       .container = frame2,
       .rect = {240, 4920, 4935, 390},
       .caption = "Ich denke nach....",
       .font = {"Arial", 15.75, true},
       .align = Align::Center,
       .phone = {R::Thinking, 1, 20}});

  const WindowName s = WindowName::Splash;
  const int splash = add({.name = "frmSplash",
                          .kind = ControlKind::Window,
                          .window = s,
                          .rect = {0, 0, 7380, 4245},
                          .background = roles::kSplash,
                          .foreground = roles::kTextOnFixedBackground,
                          .accessibleName = "Willkommen zu Tavuro",
                          .hidden = true,
                          .shows = Shows::Splash,
                          .phone = {R::Splash, 0, 0}});
  const int frame = add({.name = "Frame1",
                         .kind = ControlKind::Frame,
                         .window = s,
                         .container = splash,
                         .rect = {150, 60, 7080, 4050},
                         .drop = Command::OpenMaker,
                         .phone = {R::Splash, 0, 0}});
  add({.name = "lblCompanyProduct",
       .window = s,
       .container = frame,
       .rect = {1080, 120, 4080, 435},
       .caption = "Willkommen zu Tavuro",
       .font = {"Arial", 18, true},
       .align = Align::Left,
       .sizedToText = true,
       .phone = {R::Splash, 2, 14}});
  add({.name = "lblProductName",
       .window = s,
       .container = frame,
       .rect = {1080, 600, 3075, 615},
       .caption = "Professional",
       .font = {"Arial", 26.25, true},
       .align = Align::Left,
       .sizedToText = true,
       .phone = {R::Splash, 3, 18}});
  add({.name = "lblPlatform",
       .window = s,
       .container = frame,
       .rect = {1080, 1200, 5865, 285},
       .caption = "Freeware – Weitergabe kostenlos erlaubt",
       .font = {"Arial", 12, true},
       .align = Align::Right,
       .sizedToText = true,
       .phone = {R::Splash, 5, 12}});
  add({.name = "lblVersion",
       .window = s,
       .container = frame,
       .rect = {5595, 2250, 1275, 285},
       .caption = "Version 2.2",
       .font = {"Arial", 12, true},
       .align = Align::Right,
       .sizedToText = true,
       .phone = {R::Splash, 4, 12}});
  add({.name = "imgLogo",
       .kind = ControlKind::Image,
       .window = s,
       .container = frame,
       .rect = {120, 1680, 4815, 915},
       .accessibleName = "Logo von Tavuro",
       .accessibleDescription = "Öffnet die Webseite von Tavuro",
       .link = true,
       .command = Command::OpenMaker,
       .phone = {R::Splash, 1, 0}});
  add({.name = "lblCopyright",
       .window = s,
       .container = frame,
       .rect = {4560, 2715, 2415, 255},
       .caption = "Copyright",
       .align = Align::Left,
       .phone = {R::Splash, 6, 12}});
  add({.name = "lblCompany",
       .window = s,
       .container = frame,
       .rect = {4575, 2970, 1485, 930},
       .caption = "Tavuro im Netz: tavuro.example – bitte hier klicken!",
       .wordWrap = true,
       .bordered = true,
       .link = true,
       .command = Command::OpenMaker,
       .phone = {R::Splash, 7, 12}});
  add({.name = "Label1",
       .window = s,
       .container = frame,
       .rect = {840, 3120, 3255, 855},
       .caption = "noch ~10 sec. dann geht's weiter",
       .font = {"MS Sans Serif", 13.5, true},
       .wordWrap = true,
       .shows = Shows::Countdown,
       .speech = Speech::OnShow,
       .phone = {R::Splash, 8, 14}});
  add({.name = "Timer1",
       .kind = ControlKind::Timer,
       .window = s,
       .container = splash,
       .interval = 1000,
       .shows = Shows::Running});
}

constexpr int countControls() {
  int n = 0;
  describeControls([&n](const Control&) { return n++; });
  return n;
}

template <int Count>
constexpr std::array<Control, Count> buildControls() {
  std::array<Control, Count> rows{};
  int n = 0;
  describeControls([&](const Control& c) {
    rows[static_cast<std::size_t>(n)] = c;
    return n++;
  });
  return rows;
}

}  // namespace detail

inline constexpr int kControlCount = detail::countControls();
inline constexpr std::array<Control, kControlCount> kControls =
    detail::buildControls<kControlCount>();

// The row of a control by its window, name and index; kNoControl when there is none.
constexpr int controlNamed(WindowName window, std::string_view name, int index = -1) {
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = kControls[static_cast<std::size_t>(id)];
    if (c.window == window && c.name == name && c.index == index) return id;
  }
  return kNoControl;
}

constexpr const Control& control(int id) {
  assert(id >= 0 && id < kControlCount && "control id out of range");
  return kControls[static_cast<std::size_t>(id)];
}

// The controls the core and the front ends name by themselves; every other control is known by
// its row alone.
namespace ids {
using enum WindowName;
inline constexpr int kMainWindow = controlNamed(Main, "frmStart");
inline constexpr int kTxtShow = controlNamed(Main, "txtShow");
inline constexpr int kFirstOption = controlNamed(Main, "optLevel", 0);
inline constexpr int kFirstCell = controlNamed(Main, "txtZahl", 0);
inline constexpr int kFirstHelpLabel = controlNamed(Main, "lblZahl", 0);
inline constexpr int kLblFrei = controlNamed(Main, "lblFrei");
inline constexpr int kSplash = controlNamed(Splash, "frmSplash");
inline constexpr int kTimer1 = controlNamed(Splash, "Timer1");
}  // namespace ids

constexpr int cellControl(CellIndex cell) {
  return ids::kFirstCell + cell;
}
constexpr int helpLabelControl(CellIndex cell) {
  return ids::kFirstHelpLabel + cell;
}
constexpr int optionControl(int option) {
  return ids::kFirstOption + option;
}
// The cell a control is, or -1 when it is none.
constexpr CellIndex cellOfControl(int id) {
  return id >= ids::kFirstCell && id < ids::kFirstCell + kCells ? id - ids::kFirstCell : -1;
}

// "txtZahl_5", "mnuEnde_1", "btnGO": the name a front end gives the widget.
std::string objectName(int id);
// The accessible name with a cell's place filled in.
std::string accessibleName(int id);
// The caption at design time; the help labels show (index mod 9) + 1.
std::string designCaption(int id);
// The UTF-16 units a front end lets a box hold: a character outside the Basic Multilingual Plane
// takes two, and the core keeps whole characters only. 0 for no limit.
constexpr int maxTextUnits(int id) {
  return 2 * control(id).maxLength;
}
// "Freie Felder: 47": the counter's caption with the count, the caption alone before a count.
std::string freeCellsCaption(int count);

}  // namespace kalmotre
