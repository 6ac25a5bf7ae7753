// A small JSON writer for the table and the change lists: strings escaped, numbers as they are.
#include "midend/json.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

#include "midend/arrangement.h"
#include "midend/mid_end.h"
#include "midend/texts.h"

namespace kalmotre {

namespace {

void quote(std::string& out, std::string_view text) {
  out += '"';
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += ch;  // UTF-8 passes through whole
    }
  }
  out += '"';
}

void field(std::string& out, std::string_view name) {
  if (out.back() != '{') out += ',';
  quote(out, name);
  out += ':';
}

void field(std::string& out, std::string_view name, std::string_view text) {
  field(out, name);
  quote(out, text);
}

void field(std::string& out, std::string_view name, long long number) {
  field(out, name);
  out += std::to_string(number);
}

void flag(std::string& out, std::string_view name, bool on) {
  field(out, name);
  out += on ? "true" : "false";
}

// The names a front end knows the enumerators by, in their order: each array holds one name per
// enumerator, as the assertions check against the last one.
constexpr std::string_view kKindNames[] = {"window",    "menuItem", "frame",  "label",
                                           "textBox",   "button",   "option", "cell",
                                           "helpLabel", "shape",    "image",  "timer"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::Timer) + 1);
constexpr std::string_view kPropertyNames[] = {
    "text",    "background", "foreground",  "readOnly",    "visible",
    "checked", "running",    "description", "highlighted", "marks"};
static_assert(std::size(kPropertyNames) == static_cast<std::size_t>(Property::Marks) + 1);

constexpr std::string_view kSpeechNames[] = {"", "live", "onShow"};
static_assert(std::size(kSpeechNames) == static_cast<std::size_t>(Speech::OnShow) + 1);

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// A colour as CSS writes it; "" for the theme's. A colour of the desktop's palette (the top bit
// set) is its window text (black) or its window (white).
std::string cssColor(Color color) {
  if (color == kThemeColor) return "";
  if ((color.bgr & 0x80000000u) != 0) return (color.bgr & 0xFFu) == 8 ? "#000000" : "#ffffff";
  return "rgb(" + std::to_string(color.bgr & 0xFFu) + ", " +
         std::to_string(color.bgr >> 8 & 0xFFu) + ", " + std::to_string(color.bgr >> 16 & 0xFFu) +
         ")";
}

std::string pixels(int twips) {
  return number(twips / 15.0) + "px";
}

// What a control looks like whatever the arrangement, as CSS properties: its font, alignment
// and colours.
void look(std::string& out, const Control& c) {
  constexpr std::string_view kTextAligns[] = {"left", "left", "center", "right"};
  static_assert(std::size(kTextAligns) == static_cast<std::size_t>(Align::Right) + 1);
  out += '{';
  std::string family = "\"";
  family.append(c.font.family).append("\", var(--font-stack)");
  field(out, "fontFamily", family);
  field(out, "fontWeight", c.font.bold ? "bold" : "normal");
  field(out, "textAlign", kTextAligns[static_cast<std::size_t>(c.align)]);
  if (c.background != kThemeColor) field(out, "backgroundColor", cssColor(c.background));
  if (c.foreground != kThemeColor) {
    field(out, c.kind == ControlKind::Shape ? "borderColor" : "color", cssColor(c.foreground));
  }
  out += '}';
}

// Where the desktop arrangement puts a control in its container, and its type there: a control
// sized to its text keeps only its corner (a right-aligned one its right edge).
void desktopPlace(std::string& out, int id, const Control& c) {
  out += '{';
  if (c.kind == ControlKind::MenuItem) {  // the menu bar places its items
    out += '}';
    return;
  }
  const bool right = c.sizedToText && c.align == Align::Right;
  field(out, "left", right ? "auto" : pixels(c.rect.left));
  field(out, "right", right ? "calc(100% - " + pixels(c.rect.left + c.rect.width) + ")" : "");
  field(out, "top", pixels(c.rect.top));
  field(out, "width", c.sizedToText ? "" : pixels(c.rect.width));
  field(out, "height", c.sizedToText ? "" : pixels(c.rect.height));
  field(out, "zIndex", std::to_string(id));
  field(out, "fontSize", number(c.font.points) + "pt");
  out += '}';
}

template <typename Enum, std::size_t N>
std::string_view nameOf(const std::string_view (&names)[N], Enum value) {
  return names[static_cast<std::size_t>(value)];
}

bool isTextProperty(Property property) {
  return property == Property::Text || property == Property::Description ||
         property == Property::Marks;
}

bool isColorProperty(Property property) {
  return property == Property::Background || property == Property::Foreground;
}

}  // namespace

std::string printSheetJson(const PrintSheet& sheet) {
  std::string out = "{\"cells\":[";
  for (const PrintSheet::Cell& cell : sheet.cells) {
    if (out.back() != '[') out += ',';
    out += '[';
    quote(out, cell.text);
    out += cell.clue ? ",true]" : ",false]";
  }
  out += "],\"level\":";
  quote(out, sheet.level);
  out += ",\"counter\":";
  quote(out, sheet.counter);
  out += '}';
  return out;
}

std::string controlTableJson() {
  std::string out = "[";
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = control(id);
    const ControlState design = designState(id);
    if (id > 0) out += ',';
    out += '{';
    field(out, "id", id);
    field(out, "name", c.name);
    field(out, "objectName", objectName(id));
    field(out, "kind", nameOf(kKindNames, c.kind));
    field(out, "window", c.window == WindowName::Main ? "main" : "splash");
    field(out, "container", c.container);
    field(out, "caption", design.text);
    field(out, "look");
    look(out, c);
    field(out, "toolTip", c.toolTip);
    field(out, "accessibleName", accessibleName(id));
    field(out, "accessibleDescription", c.accessibleDescription);
    field(out, "tabIndex", c.tabIndex);
    flag(out, "hidden", c.hidden);
    flag(out, "wordWrap", c.wordWrap);
    flag(out, "bordered", c.bordered);
    flag(out, "link", c.link);
    flag(out, "takesDrop", c.drop != Command::None);
    flag(out, "checked", design.checked);
    field(out, "maxUnits", maxTextUnits(id));
    field(out, "interval", c.interval);
    field(out, "desktop");
    desktopPlace(out, id, c);
    field(out, "phone");
    out += "{";
    field(out, "order", std::to_string(c.phone.order));
    const std::string least = c.phone.fontPixels > 0 ? number(c.phone.fontPixels) + "px" : "";
    field(out, "fontSize",
          c.phone.boardShare > 0
              ? "max(" + least + ", calc(var(--board) * " + number(c.phone.boardShare) + "))"
              : least);
    out += '}';
    field(out, "region", regionName(c.phone.region));
    field(out, "order", c.phone.order);
    field(out, "speech", nameOf(kSpeechNames, c.speech));
    field(out, "touch");
    if (const std::optional<PixelBox> area = touchArea(id)) {
      out += '{';
      field(out, "left", number(area->left) + "px");
      field(out, "top", number(area->top) + "px");
      field(out, "width", number(area->width) + "px");
      field(out, "height", number(area->height) + "px");
      field(out, "zIndex", std::to_string(id));
      out += '}';
    } else {
      out += "null";
    }
    out += '}';
  }
  return out + ']';
}

std::string changeListJson(const ChangeList& list) {
  std::string out = "{";
  field(out, "changes");
  out += '[';
  bool first = true;
  for (const Change& change : list.changes) {
    if (!first) out += ',';
    first = false;
    out += '[' + std::to_string(change.control) + ',';
    quote(out, nameOf(kPropertyNames, change.property));
    out += ',';
    if (isTextProperty(change.property)) {
      quote(out, change.text);
    } else if (isColorProperty(change.property)) {
      quote(out, cssColor(Color{change.value}));
    } else {
      out += change.value != 0 ? "true" : "false";
    }
    out += ']';
  }
  out += ']';
  field(out, "focus", list.focus);
  field(out, "select", list.select);
  flag(out, "resume", list.resume);
  flag(out, "quit", list.quit);
  flag(out, "keyTaken", list.keyTaken);
  flag(out, "keyUp", list.keyUpWanted);
  flag(out, "print", list.print);
  field(out, "open", list.openAddress);
  return out + '}';
}

std::string setupJson() {
  std::string out = "{\"events\":[";
  for (const std::string_view name : kEventNames) {
    if (out.back() != '[') out += ',';
    quote(out, name);
  }
  out += "],\"controls\":" + controlTableJson() + ",\"regions\":[";
  for (const Region region : kPhoneRegions) {
    if (out.back() != '[') out += ',';
    quote(out, regionName(region));
  }
  out += "],\"pad\":{";
  field(out, "name", texts::kDigitPadName);
  field(out, "region", regionName(Region::Pad));
  field(out, "buttons");
  out += '[';
  for (const std::string_view caption : texts::kDigitPad) {
    if (out.back() != '[') out += ',';
    quote(out, caption);
  }
  out += "]},\"board\":{";
  field(out, "name", texts::kBoardName);
  field(out, "size", kUnitSize);
  out += "},\"texts\":{";
  field(out, "ended", texts::kEnded);
  field(out, "startAgain", texts::kStartAgain);
  out += '}';
  field(out, "touchTarget", kTouchTargetPixels);
  // The main window's width with every control of it in view, in pixels.
  int widest = 0;
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = control(id);
    if (c.window == WindowName::Main && c.kind != ControlKind::Window) {
      widest = std::max(widest, c.rect.left + c.rect.width);
    }
  }
  field(out, "fullWidth");
  out += number(widest / 15.0);
  return out + '}';
}

}  // namespace kalmotre
