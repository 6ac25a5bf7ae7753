// A push button whose caption wraps onto several lines, for the narrow buttons of the window.
#pragma once

#include <QPushButton>

namespace kalmotre::app {

class WrappingButton : public QPushButton {
  Q_OBJECT
 public:
  WrappingButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kalmotre::app
