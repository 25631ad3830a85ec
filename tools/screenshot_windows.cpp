// One line per window: add the window here and its library to
// tools/screenshot_windows.cmake.
#include "tools/screenshot_windows.h"

#include "forms/win32/tests/test_form.h"

namespace screenshots {

const std::vector<Window>& Windows() {
  static const std::vector<Window> windows = {
      {"testform", &Make<forms::win32::TestForm>},
  };
  return windows;
}

}  // namespace screenshots
