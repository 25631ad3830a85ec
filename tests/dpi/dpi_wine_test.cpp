// Every window of the screenshot list, English and Dutch, on real windows:
// each label, button, check box, option button and frame shows its whole
// text. CTest runs this program twice: in the test prefix at 96 DPI and,
// through run-at-dpi.sh, in a prefix of its own at 120 DPI (Windows 98's
// "Large Fonts"), which sets TARNOLUX_DPI.
#include <doctest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/driver.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/dpi/text_fit.h"
#include "tests/support/wine_machine.h"
#include "tools/screenshot_windows.h"

namespace {

using registry::kLocalMachine;

const test_support::CardKeys kCard;  // display key 9, the scan's first

int ExpectedDpi() {
  const char* dpi = std::getenv("TARNOLUX_DPI");
  return dpi ? std::atoi(dpi) : 96;
}

// A Voodoo3 3500 at display key 9 with the longest values its driver
// writes; everything seeded here goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kCard.driver, "Ver", "4.12.01.1222");
    reg.SaveString(kLocalMachine, kCard.driver, "ProviderName", "3dfx Interactive, Inc.");
    reg.SaveString(kLocalMachine, kCard.defaults, "Grxclock", "183");
    reg.SaveString(kLocalMachine, kCard.glide, "SSTH3_RGAMMA", "0.85");
    const std::pair<const char*, const char*> data[] = {{"Bus Type", "AGP 2x"},
                                                        {"Memory Type", "SGRAM"},
                                                        {"Total Video Memory", "16 MB"},
                                                        {"Memory Clock Speed", "183"},
                                                        {"Graphics Clock Speed", "183"},
                                                        {"GFX Clock Speed", "183"},
                                                        {"BIOS Version", "V3.1.07 (build 1.07.00)"},
                                                        {"TV Out", "Not Supported"},
                                                        {"LCD", "Not Supported"}};
    for (const auto& [name, value] : data) reg.SaveString(kLocalMachine, kCard.info, name, value);
  }

  void SetLanguage(const char* language) {
    reg.SaveString(kLocalMachine, registry::kProgramKey, registry::kLanguageValue, language);
  }
};

// The shown labels, buttons, check boxes, option buttons and frames of a
// form that have a text: what the measure must have measured.
int WithText(forms::Form& form) {
  int count = 0;
  for (const forms::Control* control : form.AllControls()) {
    const forms::Kind kind = control->kind();
    if (kind == forms::Kind::ScrollBar || kind == forms::Kind::ComboBox ||
        kind == forms::Kind::Image) {
      continue;
    }
    if (control->Visible() && !control->Caption().empty()) ++count;
  }
  return count;
}

// Shows one window as a user opens it and checks every form it shows.
void CheckWindow(const screenshots::Window& window, Machine& machine) {
  forms::win32::Win32Host host;
  host.on_end = [] {};
  forms::win32::Win32Files files;
  forms::Program program(host, files);
  forms::automation::Robot robot(host);
  forms::automation::MessageBoxes boxes;  // a box at load must not stop us
  std::unique_ptr<forms::Form> form = window.make(program, machine.reg);
  form->Show();
  robot.Pump(100);
  REQUIRE(!program.VisibleForms().empty());
  for (forms::Form* shown : program.VisibleForms()) {
    HWND hwnd = host.WindowOf(*shown);
    REQUIRE(hwnd);
    INFO("form ", shown->Name());
    int measured = 0;
    for (const text_fit::Fit& misfit : text_fit::Misfits(hwnd, &measured)) {
      FAIL_CHECK(text_fit::Describe(misfit));
    }
    CHECK(measured == WithText(*shown));
  }
}

TEST_CASE("the screen runs at the DPI this run is for") {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  CHECK(dpi == ExpectedDpi());
}

TEST_CASE("the measure finds a text cut off by its own width or hidden by a neighbour") {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr,
                                nullptr, nullptr, nullptr);
  REQUIRE(parent);
  auto label = [parent](int left, int width) {
    HWND hwnd = CreateWindowExA(0, "STATIC", "4.12.01.1222", WS_CHILD | WS_VISIBLE | SS_LEFT, left,
                                10, width, 20, parent, nullptr, nullptr, nullptr);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return hwnd;
  };
  HWND narrow = label(0, 25);
  const text_fit::Fit cut = text_fit::Measure(narrow);
  CHECK(!cut.Fits());
  CHECK(cut.need.cx > 25);
  CHECK(cut.room.cx == 25);
  DestroyWindow(narrow);

  HWND wide = label(0, 150);
  CHECK(text_fit::Measure(wide).Fits());
  // Made later, so painted later, over the first one's text; the first
  // one paints before it and hides none of its text.
  HWND neighbour = label(40, 100);
  CHECK(text_fit::Measure(wide).covered_by == "(unnamed)");
  CHECK(text_fit::Measure(neighbour).Fits());
  int measured = 0;
  CHECK(text_fit::Misfits(parent, &measured).size() == 1);
  CHECK(measured == 2);
  DestroyWindow(neighbour);
  CHECK(text_fit::Measure(wide).Fits());

  // Small Fonts as Windows 98 draws it: at 120 DPI from a font of its own
  // for that DPI, a size larger than Wine's; the same as Wine's at 96.
  const int dpi = ExpectedDpi();
  HFONT small = CreateFontA(-MulDiv(7, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Small Fonts");
  SendMessageA(wide, WM_SETFONT, reinterpret_cast<WPARAM>(small), FALSE);
  const text_fit::Fit loose = text_fit::Measure(wide);
  MoveWindow(wide, 0, 10, loose.need.cx, loose.need.cy, FALSE);
  const text_fit::Fit tight = text_fit::Measure(wide);
  CHECK(tight.Fits());
  CHECK(tight.grown == (dpi > 96));
  HDC dc = GetDC(wide);
  HGDIOBJ old = SelectObject(dc, small);
  SIZE wine = {};
  GetTextExtentPoint32A(dc, tight.text.c_str(), static_cast<int>(tight.text.size()), &wine);
  SelectObject(dc, old);
  ReleaseDC(wide, dc);
  CHECK(tight.need.cx * 96 >= wine.cx * dpi);
  CHECK(tight.need.cy * 96 >= wine.cy * dpi);
  DestroyWindow(parent);
  DeleteObject(small);
}

TEST_CASE("every window shows its texts whole, English and Dutch") {
  Machine machine;
  for (const screenshots::Window& window : screenshots::Windows()) {
    // The host's own test form is not one of the program's windows.
    if (std::string(window.file) == "testform") continue;
    for (const char* language : {"1", "2"}) {
      INFO("window ", std::string(window.file), ", language ", std::string(language), ", ",
           ExpectedDpi(), " DPI");
      machine.SetLanguage(language);
      CheckWindow(window, machine);
    }
  }
}

}  // namespace
