// Names and captions of the control table that are made from a row's index.
#include "midend/controls.h"

namespace kalmotre {

namespace {

void replaceAll(std::string& text, std::string_view from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

std::string objectName(int id) {
  const Control& c = control(id);
  std::string name(c.name);
  if (c.index < 0) return name;
  if (name.back() != '_') name += '_';
  return name + std::to_string(c.index);
}

std::string accessibleName(int id) {
  const Control& c = control(id);
  std::string name(c.accessibleName);
  if (c.kind == ControlKind::Cell) {
    replaceAll(name, "{row}", std::to_string(rowOf(c.index) + 1));
    replaceAll(name, "{column}", std::to_string(columnOf(c.index) + 1));
  }
  return name;
}

std::string designCaption(int id) {
  const Control& c = control(id);
  if (c.kind == ControlKind::HelpLabel) return std::to_string(c.index % kUnitSize + 1);
  return std::string(c.caption);
}

std::string freeCellsCaption(int count) {
  std::string caption(control(ids::kLblFrei).caption);
  if (count >= 0) caption += std::to_string(count);
  return caption;
}

}  // namespace kalmotre
