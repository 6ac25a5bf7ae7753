// Drawing of the captioned frame: background, an etched border at half the caption's height, and
// the caption on a patch of background that interrupts the border.
#include "app/captioned_frame.h"

#include <QPainter>

namespace kalmotre::app {

void CaptionedFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QFontMetrics metrics(font());
  const int middle = metrics.height() / 2;
  const QRect border = rect().adjusted(0, middle, -2, -2);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(border);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(border.translated(1, 1));

  const int indent = metrics.averageCharWidth();
  const QRect caption(indent, 0, metrics.horizontalAdvance(title()) + indent, metrics.height());
  painter.fillRect(caption, palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace kalmotre::app
