// One of the folder's programs, started as the user starts it and driven
// from outside, through its real windows, as a test robot or a screen
// reader would: windows are found by their "Name" and their process,
// message boxes by their class, and every act waits (briefly, by polling)
// for what it should bring about.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace journeys {

// A message box as the user reads it.
struct Message {
  std::string title, text;
};

class Program {
 public:
  // Starts `exe` of the program folder from another working folder.
  explicit Program(const char* exe);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return info_.hProcess != nullptr; }

  // The visible top-level window named `name` of this process, waiting for
  // it to show; null when it never does.
  HWND WaitForForm(const char* name);
  // Whether no window named `name` of this process is visible.
  bool Hidden(const char* name);
  // A message box of this process, once its text is there; null if none.
  HWND WaitForMessage();
  // Reads a message box and answers it with OK.
  Message Answer(HWND box);

  // A click whose handler may open a message box or end the program: the
  // program handles it in its own time, so the robot is not held up.
  void Press(HWND button);

  // Waits for the process to end; true when it ended with exit code 0.
  bool Ended();
  bool Running();

 private:
  PROCESS_INFORMATION info_ = {};
};

// A combo box's text, read with WM_GETTEXT: GetWindowText does not ask a
// window of another process.
std::string BoxText(HWND combo);

// Polls `done` every 20 ms for up to 10 s.
bool WaitUntil(const std::function<bool()>& done);

}  // namespace journeys
