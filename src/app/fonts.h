// The game's fonts: Arial at the point sizes the layout gives, bold or regular.
#pragma once

#include <QFont>

namespace kalmotre::app {

// setPointSizeF, because QFont's constructor takes whole points and 20.25 would become 20.
inline QFont arial(double pointSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace kalmotre::app
