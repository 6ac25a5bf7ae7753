// A one-line text box that says when a click into it is over: by then the box has placed its
// caret (or dropped its selection) for the click, so what the game asks for next stays.
#pragma once

#include <QLineEdit>
#include <QMouseEvent>

namespace kalmotre::app {

class TextBox final : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 signals:
  void released();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      emit released();
    }
  }
};

}  // namespace kalmotre::app
