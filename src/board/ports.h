// What the game core asks of the window that shows it; the Qt window implements it, tests fake it.
#pragma once

#include <string_view>

#include "board/geometry.h"

namespace kalmotre {

class FormView {
 public:
  virtual ~FormView() = default;
  // Put the keyboard focus into a cell's text box (the core has already validated the old one).
  virtual void focusCell(CellIndex cell) = 0;
  // A modal message with one OK button, no icon and the program's name as caption.
  virtual void showMessage(std::string_view text) = 0;
  // Show what the core holds now and handle the window events that are pending, once.
  virtual void processPendingEvents() = 0;
  // Make the splash window visible, loading it first when it is not open.
  virtual void showSplash() = 0;
  // End the program at once, every window included.
  virtual void quit() = 0;
};

// A view that shows nothing: for tools and tests that only want the core's results.
class NullView : public FormView {
 public:
  void focusCell(CellIndex) override {}
  void showMessage(std::string_view) override {}
  void processPendingEvents() override {}
  void showSplash() override {}
  void quit() override {}
};

}  // namespace kalmotre
