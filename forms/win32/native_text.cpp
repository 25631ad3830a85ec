// A window's text as the ANSI API gives it; a file of its own, so that a
// program that converts texts but reads no window imports nothing for it.
#include <windows.h>

#include "forms/win32/text.h"

namespace forms::win32 {

std::string NativeText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

}  // namespace forms::win32
