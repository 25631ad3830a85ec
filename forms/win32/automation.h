// A test robot for the forms' real windows, for Wine tests: it finds
// windows the way a screen reader does (by the "Name" property the host
// gives every form and control) and acts as the user does, with real
// messages and real mouse and keyboard input.
//
//   forms::win32::Win32Host host;
//   forms::Program program(host);
//   GammaWindow window(program, reg);
//   window.Show();
//   forms::automation::Robot robot(host);         // dispatches as Run does
//   HWND form = forms::automation::FindForm("frmgamma");
//   HWND bar = forms::automation::FindControl(form, "scrdr");
//   robot.Scroll(bar, SB_PAGEDOWN);                // a click in the track
//   CHECK(forms::automation::ScrollPos(bar) == 35);
//   robot.MouseOver(forms::automation::FindControl(form, "chklockd"));
//   CHECK(forms::automation::ForeColor(FindControl(form, "framd")) == forms::kRed);
//   {
//     forms::automation::MessageBoxes boxes;     // answers boxes with OK
//     robot.Click(FindControl(form, "OK"));
//     CHECK(boxes.seen().at(0).text == "...");
//   }
//
// Link with: tarnolux_wine_test(NAME SOURCES ... LIBS tarnolux_automation ...).
// Under Wine (Xvfb, no window manager) real cursor moves (SetCursorPos)
// reach the window under the cursor as WM_MOUSEMOVE; keyboard input
// (keybd_event) goes to the focused window of the foreground form.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace forms::win32 {
class Win32Host;
}

namespace forms::automation {

// ---- finding ----

// The top-level window (of any process) whose "Name" is `name`, visible
// ones first; null when there is none.
HWND FindForm(const std::string& name);
// The control window named `name` ("Combo(3)") within `form`, or null.
HWND FindControl(HWND form, const std::string& name);
// The "Name" of a window, or "". Names are global atoms, which ignore
// case: the spelling is the one the atom table first saw, so compare with
// HasName (FindForm and FindControl do).
std::string NameOf(HWND window);
bool HasName(HWND window, const std::string& name);

// ---- reading ----

// The window's text in UTF-8 (a combo box's: its edit text).
std::string Text(HWND window);
// The "ForeColor" property: the text colour as 0x00BBGGRR.
unsigned long ForeColor(HWND window);
// BM_GETCHECK: 0 clear, 1 set, 2 grey.
int CheckState(HWND button);
// SBM_GETPOS and the bar's range.
int ScrollPos(HWND bar);
void ScrollRange(HWND bar, int* min, int* max);
// A combo box's list, in UTF-8.
std::vector<std::string> ComboList(HWND combo);
bool Shown(HWND window);
bool Usable(HWND window);
// The window's rectangle on the screen, and within its form's client area.
RECT ScreenRect(HWND window);
RECT RectInForm(HWND control);
// The control (or form) that has the keyboard focus in this thread: a
// combo box's edit field counts as the combo box.
HWND FocusedControl();

// ---- acting ----

class Robot {
 public:
  // Dispatches messages plainly (for windows of another process).
  Robot() = default;
  // Dispatches through the host, as its Run does (dialog keys).
  explicit Robot(win32::Win32Host& host) : host_(&host) {}

  // Handles messages for at least `milliseconds`, then until none waits.
  void Pump(int milliseconds = 30);
  // Handles messages until one that `done` accepts has come through (at
  // most `timeout` ms), then what else waits. Real input arrives through
  // the X server, later on a busy machine: each act below waits this way
  // for its own last message.
  void PumpUntil(const std::function<bool(const MSG&)>& done, int timeout = 1000);

  // A click as the button's own BM_CLICK does it.
  void Click(HWND button);
  // A real left click at the window's centre (cursor move and buttons).
  void MouseClick(HWND window);
  // Moves the real cursor to the window's centre, or to a point of the
  // form's client area.
  void MouseOver(HWND window);
  void MouseAt(HWND form, int x, int y);

  // One move of a scroll bar as the bar reports it to its form: an arrow
  // (SB_LINEUP/DOWN) or track click (SB_PAGEUP/DOWN), then SB_ENDSCROLL.
  void Scroll(HWND bar, int code);
  // A drag of the thumb: Track for each position on the way, then
  // Release where the user lets go (SB_THUMBPOSITION, SB_ENDSCROLL).
  void Track(HWND bar, int position);
  void Release(HWND bar, int position);

  // Types into a combo box as its edit field reports it: new text, then
  // CBN_EDITCHANGE. Pick chooses list entry `index` (CBN_SELCHANGE).
  void Type(HWND combo, const std::string& text);
  void Pick(HWND combo, int index);

  // Real keystrokes to the focused window: one key (VK_TAB, VK_RETURN,
  // VK_ESCAPE, ...), optionally with Shift; Alt with a letter; ASCII text.
  void Key(WORD key, bool shift = false);
  void AltKey(char letter);
  void TypeKeys(const std::string& text);

  // The close box (WM_SYSCOMMAND SC_CLOSE, as the caption sends it).
  void Close(HWND form);

 private:
  void Dispatch(MSG& message);
  void MoveCursor(HWND window, POINT screen);

  win32::Win32Host* host_ = nullptr;
};

// While alive, answers every message box of this thread with OK and keeps
// its title and text. A timer runs inside the box's modal loop, so create
// it before the action that shows a box.
class MessageBoxes {
 public:
  struct Seen {
    std::string title;
    std::string text;
    bool icon = false;  // whether the box showed an icon
  };

  MessageBoxes();
  ~MessageBoxes();
  MessageBoxes(const MessageBoxes&) = delete;
  MessageBoxes& operator=(const MessageBoxes&) = delete;

  const std::vector<Seen>& seen() const { return seen_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void OnTimer();

  HWND watcher_ = nullptr;
  std::vector<Seen> seen_;
};

}  // namespace forms::automation
