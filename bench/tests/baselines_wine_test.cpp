// The bench's baselines are built on the project's runtime and linked as
// the shipped programs are, so they must run too: each shows what the
// bench waits for and ends with exit code 0 once it is answered.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "tests/support/wine_files.h"
#include "tests/support/wine_process.h"

namespace {

std::string Command(const char* exe) { return "\"" + test_support::WinePath(exe) + "\""; }

bool Titled(HWND hwnd, const char* title) {
  char text[64] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return lstrcmpA(text, title) == 0;
}

}  // namespace

TEST_CASE("The start-up baselines show their window and end when answered") {
  test_support::Process message(Command(BARE_MESSAGE_EXE));
  REQUIRE(message.started());
  const HWND box = message.WaitForMessage();
  REQUIRE(box);
  CHECK(message.Answer(box).text == "Now delete this file.");
  CHECK(message.Ended());

  test_support::Process window(Command(BARE_WINDOW_EXE));
  REQUIRE(window.started());
  const HWND shown =
      window.WaitForWindow([](HWND hwnd) { return Titled(hwnd, "Tarnolux bare window"); });
  REQUIRE(shown);
  PostMessageA(shown, WM_CLOSE, 0, 0);
  CHECK(window.Ended());
}
