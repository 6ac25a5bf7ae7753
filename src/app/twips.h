// Layout units: the windows place their controls in twips, Qt in logical pixels (15 twips each).
#pragma once

#include <QRect>

namespace kalmotre::app {

constexpr int twips(int value) {
  return (value + 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace kalmotre::app
