// What the Wine tests of one window share: the robot's readers by their
// short names, the real host of a run in this process, and the window
// under test opened from a stand-in for the main window as the main
// window's button opens it. Header-only.
//
//   using namespace test_support::window_test;
//   using Run = test_support::WindowRun<advanced::AdvancedWindow>;
//   TEST_CASE("...") {
//     Machine machine;
//     Run run(machine.reg);  // the window must show; checked at this line
//     run.robot.Click(run.Control("ok"));
//   }
#pragma once

#include <windows.h>

#include <string>

#include "forms/forms.h"
#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/registry.h"
#include "tests/support/caller.h"

namespace test_support {

// The names a window test reads windows with, for `using namespace`.
namespace window_test {
using forms::automation::CheckState;
using forms::automation::FindControl;
using forms::automation::FindForm;
using forms::automation::FocusedControl;
using forms::automation::ForeColor;
using forms::automation::Robot;
using forms::automation::ScreenRect;
using forms::automation::ScrollPos;
using forms::automation::Shown;
using forms::automation::Text;
using registry::kLocalMachine;
}  // namespace window_test

// The real host and files of one run in this process, and the robot that
// drives it; ending the program comes back here, as `ended`, instead of
// ending the test.
struct WineHost {
  WineHost() {
    host.on_end = [this] { ended = true; };
  }

  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::automation::Robot robot{host};
  bool ended = false;
};

// Where the stand-in for the main window stands, in twips.
constexpr int kMainLeft = 1500, kMainTop = 1200;
constexpr int kMainWidth = 7200, kMainHeight = 5400;

// How the main window hands off to a window (forms/handoff.h).
using Handoff = void (*)(forms::Form& target, forms::Form& from);

// The window under test made on `reg` and opened, with `handoff`, from a
// stand-in for the main window ("frmv3", shown at its place); `form` is
// the window under test as the robot finds it by its design name, which
// must be there.
template <typename Window>
struct WindowRun : WineHost {
  explicit WindowRun(registry::Registry& reg, Handoff handoff = forms::OpenAt, Caller at = {})
      : window(program, reg), handoff_(handoff) {
    main.SetCaption("Main");
    main.SetClientSize(kMainWidth, kMainHeight);
    main.SetPosition(kMainLeft, kMainTop);
    main.Show();
    Open(at);
  }

  // Opens the window again, as the main window's button does.
  void Open(Caller at = {}) {
    handoff_(window, main);
    robot.Pump();
    form = forms::automation::FindForm(window.Name());
    Require(form != nullptr, window.Name() + " is there", at);
  }
  HWND Control(const char* name) const { return forms::automation::FindControl(form, name); }
  // Presses Tab until the control `name` has the focus (at most `limit`
  // times); whether it came.
  bool TabTo(const char* name, int limit = 40) {
    const HWND target = Control(name);
    if (!target) return false;
    for (int i = 0; i < limit && forms::automation::FocusedControl() != target; ++i) {
      robot.Key(VK_TAB);
    }
    return forms::automation::FocusedControl() == target;
  }
  // Presses Tab `count` times.
  void TabAround(int count) {
    for (int i = 0; i < count; ++i) robot.Key(VK_TAB);
  }
  HWND MainForm() const { return forms::automation::FindForm(main.Name()); }

  forms::Program program{host, files};
  forms::Form main{program, "frmv3"};
  Window window;
  HWND form = nullptr;

 private:
  Handoff handoff_;
};

// Clicks `button` and answers the message box its handler shows; what
// the box said. There must be exactly one.
inline forms::automation::MessageBoxes::Seen ClickForMessage(forms::automation::Robot& robot,
                                                             HWND button, Caller at = {}) {
  forms::automation::MessageBoxes boxes;
  robot.Click(button);
  robot.Pump();
  const std::size_t count = boxes.seen().size();
  Require(count == 1, "one message box after the click", at, std::to_string(count) + " boxes");
  return boxes.seen()[0];
}

// Clicks the main window's `button` and returns the window `name` it hands
// off to, which must show at the main window's place, the main window
// hidden.
inline HWND OpenInPlace(forms::automation::Robot& robot, HWND main, const char* button,
                        const char* name, Caller at = {}) {
  Require(main != nullptr, "the main window is there", at);
  const RECT start = forms::automation::ScreenRect(main);
  robot.Click(forms::automation::FindControl(main, button));
  HWND window = forms::automation::FindForm(name);
  Require(window != nullptr, std::string(name) + " is there", at);
  Check(forms::automation::Shown(window), std::string(name) + " is shown", at);
  Check(!forms::automation::Shown(main), "the main window is hidden", at);
  const RECT place = forms::automation::ScreenRect(window);
  Check(place.left == start.left && place.top == start.top,
        std::string(name) + " opens at the main window's place", at,
        "at " + std::to_string(place.left) + "," + std::to_string(place.top) +
            ", the main window at " + std::to_string(start.left) + "," + std::to_string(start.top));
  return window;
}

}  // namespace test_support
