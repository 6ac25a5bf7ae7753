// The phone arrangement's regions by name, and the touch areas of the desktop window on a touch
// screen. Where each control goes on a phone stands in its row of the control table.
#include "midend/arrangement.h"

#include <array>
#include <vector>

#include "midend/controls.h"

namespace kalmotre {

std::string_view regionName(Region region) {
  // One name per region, in the enumeration's order.
  constexpr std::string_view kNames[] = {"",         "menu",    "commands", "level", "board",
                                         "thinking", "counter", "help",     "pad",   "splash"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(Region::Splash) + 1);
  return kNames[static_cast<std::size_t>(region)];
}

namespace {

struct Edges {
  double left, top, right, bottom;
  bool overlaps(const Edges& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

// A control's box in the client area's pixels (a frame's children sit inside the frame).
Edges clientBox(const Control& c) {
  double left = c.rect.left / 15.0, top = c.rect.top / 15.0;
  const Control& container = control(c.container);
  if (container.kind == ControlKind::Frame) {
    left += container.rect.left / 15.0;
    top += container.rect.top / 15.0;
  }
  return {left, top, left + c.rect.width / 15.0, top + c.rect.height / 15.0};
}

bool takesTap(const Control& c) {
  return c.kind == ControlKind::Button || c.kind == ControlKind::Option ||
         c.kind == ControlKind::TextBox;
}

std::array<std::optional<PixelBox>, kControlCount> growTouchAreas() {
  std::vector<int> shown;
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = control(id);
    if (c.window == WindowName::Main && !c.hidden && c.kind != ControlKind::Window &&
        c.kind != ControlKind::MenuItem && c.kind != ControlKind::Timer &&
        c.kind != ControlKind::HelpLabel && c.kind != ControlKind::Image) {
      shown.push_back(id);
    }
  }
  std::array<std::optional<PixelBox>, kControlCount> areas{};
  std::vector<Edges> placed;  // the areas grown so far: none may overlap another
  for (const int id : shown) {
    const Control& c = control(id);
    if (!takesTap(c)) continue;
    const Edges own = clientBox(c);
    std::vector<Edges> others = placed;
    for (const int other : shown) {
      const Control& o = control(other);
      if (other == id || o.kind == ControlKind::Frame || o.kind == ControlKind::Shape) continue;
      if (const Edges box = clientBox(o); !box.overlaps(own)) others.push_back(box);
    }
    Edges area = own;
    const auto fits = [&](const Edges& grown) {
      if (grown.left < 0 || grown.top < 0) return false;
      for (const Edges& box : others) {
        if (box.overlaps(grown)) return false;
      }
      return true;
    };
    // One pixel at a time on each side, as long as the area is short of the target that way.
    for (int step = 0; step < kTouchTargetPixels; ++step) {
      for (int side = 0; side < 4; ++side) {
        const bool across = side < 2;
        if ((across ? area.right - area.left : area.bottom - area.top) >= kTouchTargetPixels) {
          continue;
        }
        Edges grown = area;
        if (side == 0) grown.left -= 1;
        if (side == 1) grown.right += 1;
        if (side == 2) grown.top -= 1;
        if (side == 3) grown.bottom += 1;
        if (fits(grown)) area = grown;
      }
    }
    placed.push_back(area);
    if (area.right - area.left <= own.right - own.left &&
        area.bottom - area.top <= own.bottom - own.top) {
      continue;
    }
    const Edges frame = clientBox(c);
    const double dx = frame.left - c.rect.left / 15.0, dy = frame.top - c.rect.top / 15.0;
    areas[static_cast<std::size_t>(id)] =
        PixelBox{area.left - dx, area.top - dy, area.right - area.left, area.bottom - area.top};
  }
  return areas;
}

}  // namespace

std::optional<PixelBox> touchArea(int id) {
  static const auto areas = growTouchAreas();
  return areas[static_cast<std::size_t>(id)];
}

}  // namespace kalmotre
