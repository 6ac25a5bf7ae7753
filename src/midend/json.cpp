// A small JSON writer for the table and the change lists: strings escaped, numbers as they are.
#include "midend/json.h"

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
constexpr std::string_view kAlignNames[] = {"topLeft", "left", "center", "right"};
static_assert(std::size(kAlignNames) == static_cast<std::size_t>(Align::Right) + 1);
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
    field(out, "rect");
    out += '[' + std::to_string(c.rect.left) + ',' + std::to_string(c.rect.top) + ',' +
           std::to_string(c.rect.width) + ',' + std::to_string(c.rect.height) + ']';
    field(out, "caption", design.text);
    field(out, "fontFamily", c.font.family);
    field(out, "fontPoints");
    out += number(c.font.points);
    flag(out, "bold", c.font.bold);
    field(out, "background", c.background.bgr);
    field(out, "foreground", c.foreground.bgr);
    field(out, "toolTip", c.toolTip);
    field(out, "accessibleName", accessibleName(id));
    field(out, "accessibleDescription", c.accessibleDescription);
    field(out, "tabIndex", c.tabIndex);
    field(out, "align", nameOf(kAlignNames, c.align));
    flag(out, "hidden", c.hidden);
    flag(out, "sizedToText", c.sizedToText);
    flag(out, "wordWrap", c.wordWrap);
    flag(out, "bordered", c.bordered);
    flag(out, "link", c.link);
    flag(out, "checked", design.checked);
    field(out, "maxUnits", maxTextUnits(id));
    field(out, "interval", c.interval);
    field(out, "region", regionName(c.phone.region));
    field(out, "order", c.phone.order);
    field(out, "phoneFont", c.phone.fontPixels);
    field(out, "speech", nameOf(kSpeechNames, c.speech));
    field(out, "touch");
    if (const std::optional<PixelBox> area = touchArea(id)) {
      out += '[' + number(area->left) + ',' + number(area->top) + ',' + number(area->width) + ',' +
             number(area->height) + ']';
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
      out += std::to_string(change.value);
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
  return out + '}';
}

}  // namespace kalmotre
