// One of the folder's programs, started as the user starts it and driven
// from outside, through its real windows (tests/support/wine_process.h):
// forms found by their "Name" and their process, message boxes by their
// class, and every act waiting (briefly, by polling) for what it should
// bring about.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/wine_process.h"

namespace journeys {

// `exe` of the program folder, started from another working folder.
class Program : public test_support::Process {
 public:
  explicit Program(const char* exe);
};

// A combo box's text, read with WM_GETTEXT: GetWindowText does not ask a
// window of another process.
std::string BoxText(HWND combo);

}  // namespace journeys
