// What a command needs from the window while it runs: the modal message. The Qt window and the
// page implement it, tests fake it. Everything else a command wants of the window (the focus,
// the splash window, painting before it goes on, quitting) it leaves behind as requests.
#pragma once

#include <string_view>

namespace kalmotre {

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // A modal message with one OK button, no icon and the program's name as caption.
  virtual void showMessage(std::string_view text) = 0;
};

}  // namespace kalmotre
