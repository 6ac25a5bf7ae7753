// The control table in Qt's terms: strings, fonts, rectangles, and a widget's look and state as
// its row and the change lists give them. Shared by both windows.
#pragma once

#include <QFont>
#include <QKeyEvent>
#include <QRect>
#include <QString>
#include <string_view>

#include "app/twips.h"
#include "midend/change_list.h"

class QWidget;

namespace kalmotre::app {

inline QString qString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// setPointSizeF, because QFont's constructor takes whole points and 20.25 would become 20.
inline QFont qFont(const Font& font) {
  QFont qt(qString(font.family));
  qt.setPointSizeF(font.points);
  qt.setBold(font.bold);
  return qt;
}

inline QRect twipsRect(const Rect& r) {
  return twipsRect(r.left, r.top, r.width, r.height);
}

// Gives a freshly made widget what its row fixes: name, place, font, alignment, colours, tip,
// screen-reader names, border, and its size when it is sized to its text.
void describeWidget(QWidget* widget, int id);

// Shows one change of the mid end's list on the widget of its control.
void applyToWidget(QWidget* widget, const Control& control, const Change& change);

// A key as the mid end names it ("ArrowUp", "7"), and the modifiers held with it.
QString keyName(const QKeyEvent& event);
unsigned heldModifiers(const QKeyEvent& event);

}  // namespace kalmotre::app
