// Draws the button face with the style, then the caption word-wrapped and centred on it.
#include "app/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kalmotre::app {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect textArea = rect().adjusted(3, 2, -3, -2);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace kalmotre::app
