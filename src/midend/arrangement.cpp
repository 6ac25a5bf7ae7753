// Which region each control of the table takes in the phone arrangement, in which order, and in
// what size of type: captions and buttons 14 pixels or more, the cells' digits 22, nothing under
// 12.
#include "midend/arrangement.h"

#include <array>

#include "midend/controls.h"

namespace kalmotre {

namespace {

struct Placed {
  WindowName window;
  std::string_view name;
  PhonePlace place;
};

using R = Region;
constexpr WindowName kMain = WindowName::Main;
constexpr WindowName kSplash = WindowName::Splash;

constexpr std::array kPlaces = {
    Placed{kMain, "SudokuLaden", {R::Menu, 0, 16}},
    Placed{kMain, "mnuEnde_", {R::Menu, 1, 16}},
    Placed{kMain, "btnGO", {R::Commands, 0, 14}},
    Placed{kMain, "btnLoesung", {R::Commands, 1, 14}},
    Placed{kMain, "BtnZur", {R::Commands, 2, 14}},
    Placed{kMain, "Label5", {R::Level, 0, 16}},
    Placed{kMain, "optLevel", {R::Level, 1, 16}},  // the options follow in the level table's order
    Placed{kMain, "txtZahl", {R::Board, 0, 22}},
    Placed{kMain, "lblFrei", {R::Counter, 0, 16}},
    Placed{kMain, "Frame1", {R::Help, 0, 14}},
    Placed{kMain, "Label2", {R::Help, 1, 14}},
    Placed{kMain, "Label3", {R::Help, 2, 14}},
    Placed{kMain, "txtShow", {R::Help, 3, 18}},
    Placed{kMain, "Label4", {R::Help, 4, 14}},
    Placed{kMain, "btnPlus", {R::Help, 5, 22}},
    Placed{kMain, "Frame2", {R::Thinking, 0, 0}},
    Placed{kMain, "Label1", {R::Thinking, 1, 20}},
    Placed{kSplash, "frmSplash", {R::Splash, 0, 0}},
    Placed{kSplash, "Frame1", {R::Splash, 0, 0}},
    Placed{kSplash, "imgLogo", {R::Splash, 1, 0}},
    Placed{kSplash, "lblCompanyProduct", {R::Splash, 2, 14}},
    Placed{kSplash, "lblProductName", {R::Splash, 3, 18}},
    Placed{kSplash, "lblVersion", {R::Splash, 4, 12}},
    Placed{kSplash, "lblPlatform", {R::Splash, 5, 12}},
    Placed{kSplash, "lblCopyright", {R::Splash, 6, 12}},
    Placed{kSplash, "lblCompany", {R::Splash, 7, 12}},
    Placed{kSplash, "Label1", {R::Splash, 8, 14}},
};

}  // namespace

std::string_view regionName(Region region) {
  // One name per region, in the enumeration's order.
  constexpr std::string_view kNames[] = {"",         "menu",    "commands", "level", "board",
                                         "thinking", "counter", "help",     "pad",   "splash"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(Region::Splash) + 1);
  return kNames[static_cast<std::size_t>(region)];
}

PhonePlace phonePlace(int id) {
  const Control& c = control(id);
  for (const Placed& placed : kPlaces) {
    if (placed.window != c.window || placed.name != c.name) continue;
    PhonePlace place = placed.place;
    if (c.kind == ControlKind::Cell) {
      place.order = 9 * rowOf(c.index) + columnOf(c.index);
    } else if (c.kind == ControlKind::Option) {
      place.order += c.index;
    }
    return place;
  }
  return {};
}

}  // namespace kalmotre
