// What a command needs from the window while it runs; the Qt window implements it, tests fake it.
// Everything else a command wants of the window (the focus, the splash window, quitting) it
// leaves behind as requests, which the window carries out once the command has ended.
#pragma once

#include <string_view>

namespace kalmotre {

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // A modal message with one OK button, no icon and the program's name as caption.
  virtual void showMessage(std::string_view text) = 0;
  // Show what the core holds now and handle the window events that are pending, once.
  virtual void processPendingEvents() = 0;
};

}  // namespace kalmotre
