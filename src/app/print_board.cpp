// Laying the print sheet out in millimetres of the device's page.
#include "app/print_board.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "app/controls_qt.h"
#include "app/web_page.h"

namespace kalmotre::app {

namespace {

constexpr double kGridMillimetres = 120.0;
constexpr double kThinMillimetres = 0.3;
constexpr double kThickMillimetres = 0.9;

// As much of the text as fits `width`, cut at the end; a character is never cut apart.
QString cutToFit(QString text, const QFontMetricsF& metrics, double width) {
  while (!text.isEmpty() && metrics.horizontalAdvance(text) > width) {
    text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
  }
  return text;
}

QFont sheetFont(double pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(qMax(1, qRound(pixels)));
  font.setBold(bold);
  return font;
}

}  // namespace

void paintSheet(QPagedPaintDevice& device, const PrintSheet& sheet) {
  QPainter painter(&device);
  const double mm = device.logicalDpiX() / 25.4;
  const double pageWidth = device.width();
  const double pageHeight = device.height();
  // 12 cm, or less on a page too narrow for it.
  const double side = qMin(kGridMillimetres * mm, 0.85 * pageWidth);
  const double cell = side / 9.0;
  const QFont captionFont = sheetFont(4.5 * mm, false);
  const double captionLine = QFontMetricsF(captionFont).lineSpacing();
  const double height = side + 8.0 * mm + 2.0 * captionLine;
  const QPointF origin((pageWidth - side) / 2.0, qMax(0.0, (pageHeight - height) / 2.0));

  painter.fillRect(QRectF(0, 0, pageWidth, pageHeight), Qt::white);
  painter.setPen(Qt::black);
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const PrintSheet::Cell& printed = sheet.cells[static_cast<std::size_t>(9 * row + column)];
      if (printed.text.empty()) continue;
      const QFont font = sheetFont(0.55 * cell, printed.clue);
      painter.setFont(font);
      const QRectF box(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
      const QString text =
          cutToFit(QString::fromStdString(printed.text), QFontMetricsF(font), 0.88 * cell);
      painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
  }
  for (int k = 0; k <= 9; ++k) {
    const bool thick = k % 3 == 0;
    QPen pen(Qt::black, (thick ? kThickMillimetres : kThinMillimetres) * mm);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const double at = k * cell;
    painter.drawLine(QPointF(origin.x() + at, origin.y()),
                     QPointF(origin.x() + at, origin.y() + side));
    painter.drawLine(QPointF(origin.x(), origin.y() + at),
                     QPointF(origin.x() + side, origin.y() + at));
  }
  painter.setPen(Qt::black);
  painter.setFont(captionFont);
  const QRectF under(origin.x(), origin.y() + side + 6.0 * mm, side, captionLine);
  painter.drawText(under, Qt::AlignLeft | Qt::TextSingleLine, QString::fromStdString(sheet.level));
  painter.drawText(under.translated(0, captionLine), Qt::AlignLeft | Qt::TextSingleLine,
                   QString::fromStdString(sheet.counter));
}

void SystemDesktop::print(QWidget* parent, const PrintSheet& sheet) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(qString(kWindowTitle));
  QPrintDialog dialog(&printer, parent);
  // One page and nothing to choose among: no page range, no selection.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  if (dialog.exec() != QDialog::Accepted) return;
  paintSheet(printer, sheet);
}

}  // namespace kalmotre::app
