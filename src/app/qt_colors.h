// The one place where the 0xBBGGRR colours of the core become Qt colours.
#pragma once

#include <QColor>
#include <QPalette>

#include "board/color.h"

namespace kalmotre::app {

// System colours (top bit set) take the palette's role: 5 is the window background of text
// boxes, 8 the window text.
inline QColor toQColor(Color color, const QPalette& palette) {
  if (color.isSystemColor()) {
    switch (color.bgr & 0xFF) {
      case 5:
        return palette.color(QPalette::Base);
      case 8:
        return palette.color(QPalette::WindowText);
      default:
        return palette.color(QPalette::Window);
    }
  }
  return QColor(color.red(), color.green(), color.blue());
}

}  // namespace kalmotre::app
