// A widget's look from its row of the control table, and the change lists applied to widgets.
#include "app/controls_qt.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/qt_colors.h"
#include "midend/mid_end.h"

namespace kalmotre::app {

namespace {

// The palette roles a control's background and text colour take.
std::pair<QPalette::ColorRole, QPalette::ColorRole> colorRoles(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::Cell:
      return {QPalette::Base, QPalette::Text};
    case ControlKind::Button:
      return {QPalette::Button, QPalette::ButtonText};
    default:
      return {QPalette::Window, QPalette::WindowText};
  }
}

void setColor(QWidget* widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget->palette();
  palette.setColor(role, toQColor(color, palette));
  widget->setPalette(palette);
}

Qt::Alignment qAlignment(Align align) {
  switch (align) {
    case Align::TopLeft:
      return Qt::AlignLeft | Qt::AlignTop;
    case Align::Left:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Center:
      return Qt::AlignCenter;
    case Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

bool isDefaultFont(const Font& font) {
  const Font standard;
  return font.family == standard.family && font.points == standard.points &&
         font.bold == standard.bold;
}

}  // namespace

void describeWidget(QWidget* widget, int id) {
  const Control& c = control(id);
  widget->setObjectName(QString::fromStdString(kalmotre::objectName(id)));
  if (c.kind != ControlKind::Window) widget->setGeometry(twipsRect(c.rect));
  if (!isDefaultFont(c.font)) widget->setFont(qFont(c.font));
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setAlignment(qAlignment(c.align));
    label->setWordWrap(c.wordWrap);
    if (c.bordered) label->setFrameStyle(QFrame::Box | QFrame::Plain);
  } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    if (c.align == Align::Center) box->setAlignment(Qt::AlignCenter);
  }
  const auto [background, text] = colorRoles(c.kind);
  if (c.background != kThemeColor) {
    setColor(widget, background, c.background);
    // Labels and windows fill their rectangle with it; a frame does so of its own.
    if (c.kind == ControlKind::Label || c.kind == ControlKind::Window) {
      widget->setAutoFillBackground(true);
    }
  }
  if (c.foreground != kThemeColor) setColor(widget, text, c.foreground);
  if (!c.toolTip.empty()) widget->setToolTip(qString(c.toolTip));
  if (!c.accessibleName.empty()) {
    widget->setAccessibleName(QString::fromStdString(accessibleName(id)));
  }
  if (!c.accessibleDescription.empty()) {
    widget->setAccessibleDescription(qString(c.accessibleDescription));
  }
  if (c.link) widget->setCursor(Qt::PointingHandCursor);
  if (c.sizedToText) {
    // A right-aligned label keeps its right edge.
    const int right = widget->geometry().right();
    widget->adjustSize();
    if (c.align == Align::Right) widget->move(right - widget->width() + 1, widget->y());
  }
}

void applyToWidget(QWidget* widget, const Control& c, const Change& change) {
  const bool on = change.value != 0;
  switch (change.property) {
    case Property::Text: {
      const QString text = QString::fromStdString(change.text);
      if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        const QSignalBlocker quiet(box);
        box->setText(text);
      } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
      } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
      } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(text);
      }
      break;
    }
    case Property::Background:
      setColor(widget, colorRoles(c.kind).first, Color{change.value});
      break;
    case Property::Foreground:
      setColor(widget, colorRoles(c.kind).second, Color{change.value});
      break;
    case Property::ReadOnly:
      if (auto* box = qobject_cast<QLineEdit*>(widget)) box->setReadOnly(on);
      break;
    case Property::Visible:
      widget->setVisible(on);
      break;
    case Property::Checked:
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QSignalBlocker quiet(button);
        button->setChecked(on);
      }
      break;
    case Property::Description:
      widget->setAccessibleDescription(QString::fromStdString(change.text));
      break;
    case Property::Running:
      break;  // timers are no widgets: their window runs them
    case Property::Highlighted:
      break;  // Qt's menu bar keeps its keyboard mode itself
    case Property::Marks:
      break;  // the desktop's contrast is its theme's; the description says the states in words
  }
}

QString keyName(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Up:
      return QStringLiteral("ArrowUp");
    case Qt::Key_Down:
      return QStringLiteral("ArrowDown");
    case Qt::Key_Left:
      return QStringLiteral("ArrowLeft");
    case Qt::Key_Right:
      return QStringLiteral("ArrowRight");
    default:
      return event.text();
  }
}

unsigned heldModifiers(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  unsigned bits = 0;
  if (held & Qt::ShiftModifier) bits |= modifiers::kShift;
  if (held & Qt::ControlModifier) bits |= modifiers::kControl;
  if (held & Qt::AltModifier) bits |= modifiers::kAlt;
  if (held & Qt::MetaModifier) bits |= modifiers::kMeta;
  return bits;
}

}  // namespace kalmotre::app
