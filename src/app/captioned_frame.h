// A frame whose caption sits on its top border line, the border broken behind the text, and whose
// background fills the whole rectangle, caption row included.
#pragma once

#include <QGroupBox>

namespace kalmotre::app {

class CaptionedFrame : public QGroupBox {
  Q_OBJECT
 public:
  CaptionedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kalmotre::app
