// The Win32 host with real windows under Wine: the test form is shown and
// driven through the automation robot, with real messages, real cursor
// moves and real keystrokes, and checked through what a screen reader
// sees (window properties, native control state).
#include <doctest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/pictures.h"
#include "forms/win32/tests/test_form.h"
#include "forms/win32/text.h"
#include "forms/win32/win32_host.h"
#include "registry/memory_store.h"

namespace forms::win32 {
namespace {

using automation::FindControl;
using automation::FindForm;

Win32Host::Options LoaderNamed(const char* picture_loader, PaletteGdi* palette_gdi) {
  Win32Host::Options options;
  options.picture_loader = picture_loader;
  options.palette_gdi = palette_gdi;
  return options;
}

struct Shown {
  explicit Shown(bool dutch = false, const char* picture_loader = Pictures::kLoaderName,
                 PaletteGdi* palette_gdi = nullptr)
      : host(LoaderNamed(picture_loader, palette_gdi)) {
    if (dutch) reg.SaveString(registry::kLocalMachine, "Software\\Tarno", "Language", "2");
    host.on_end = [this] { ended = true; };
    form.Show();
    robot.Pump(100);
    window = host.WindowOf(form);
  }
  HWND Control(const std::string& name) const { return FindControl(window, name); }
  // Where the model puts a control, in pixels of the form's client area.
  RECT Expected(const forms::Control& control) const {
    HDC dc = GetDC(nullptr);
    const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    const int left = MulDiv(control.FormLeft(), dpi_x, 1440);
    const int top = MulDiv(control.FormTop(), dpi_y, 1440);
    return {left, top, left + MulDiv(control.Width(), dpi_x, 1440),
            top + MulDiv(control.Height(), dpi_y, 1440)};
  }

  registry::MemoryStore store;
  registry::Registry reg{store};
  Win32Host host;
  Win32Files files;
  Program program{host, files};
  TestForm form{program, reg};
  automation::Robot robot{host};
  HWND window = nullptr;
  bool ended = false;
};

// BS_PUSHBUTTON or BS_DEFPUSHBUTTON, for a push button.
LONG ButtonType(HWND button) { return GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK; }

std::string FaceOf(HWND control, int* height) {
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  *height = font.lfHeight;
  return font.lfFaceName;
}

TEST_CASE("every form and control is a real window that carries its design name") {
  Shown shown;
  REQUIRE(shown.window != nullptr);
  CHECK(FindForm("frmtest") == shown.window);
  CHECK(automation::Shown(shown.window));
  CHECK(automation::Text(shown.window) == "Forms test window");
  for (forms::Control* control : shown.form.AllControls()) {
    CAPTURE(control->Name());
    HWND hwnd = shown.Control(control->Name());
    REQUIRE(hwnd != nullptr);
    CHECK(GetParent(hwnd) == shown.window);  // frames are no parents
    CHECK(automation::HasName(hwnd, control->Name()));
  }
  CHECK(shown.Control("cboRate(3)") != nullptr);

  char name[32] = {};
  GetClassNameA(shown.Control("framOptions"), name, sizeof(name));
  CHECK(lstrcmpiA(name, "Button") == 0);
  CHECK((GetWindowLongA(shown.Control("framOptions"), GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX);
  CHECK((GetWindowLongA(shown.Control("lblTitle"), GWL_STYLE) & SS_NOTIFY) != 0);
  CHECK(automation::Text(shown.Control("cmdAdvanced")) == "&Advanced");
}

TEST_CASE("names are found whatever spelling the atom table keeps") {
  // Atoms ignore case and keep the first spelling they saw: names are
  // found all the same.
  const ATOM other = GlobalAddAtomA("LBLCLOCK");
  {
    Shown shown;
    HWND clock = shown.Control("lblClock");
    REQUIRE(clock != nullptr);
    CHECK(automation::NameOf(clock) == "LBLCLOCK");
  }
  GlobalDeleteAtom(other);
}

TEST_CASE("twips become pixels at the screen's DPI, and the window writes its place back") {
  Shown shown;
  HDC dc = GetDC(nullptr);
  CHECK(GetDeviceCaps(dc, LOGPIXELSX) == 96);  // the prefix's: 15 twips a pixel
  ReleaseDC(nullptr, dc);

  for (const char* name : {"chkGrey", "scrSpeed", "lblSpeed", "cmdOK", "imgBanner"}) {
    CAPTURE(name);
    const RECT want = shown.Expected(*shown.form.Find(name));
    const RECT got = automation::RectInForm(shown.Control(name));
    CHECK(got.left == want.left);
    CHECK(got.top == want.top);
    CHECK(got.right == want.right);
    CHECK(got.bottom == want.bottom);
  }
  // chkGrey sits at 120 twips in a frame at 120: 240 twips, 16 pixels.
  CHECK(automation::RectInForm(shown.Control("chkGrey")).left == 16);

  RECT client;
  GetClientRect(shown.window, &client);
  CHECK(client.right == 7200 / 15);
  CHECK(client.bottom == 5520 / 15);

  // An unplaced form is centred, and its place is in the model.
  CHECK(shown.form.Placed());
  const RECT outer = automation::ScreenRect(shown.window);
  CHECK(outer.left == shown.form.Left() / 15);
  CHECK(outer.top == shown.form.Top() / 15);
  CHECK(std::abs((outer.left + outer.right) - GetSystemMetrics(SM_CXSCREEN)) <= 1);

  // The user drags the window: the model follows.
  SetWindowPos(shown.window, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  shown.robot.Pump();
  CHECK(shown.form.Left() == 40 * 15);
  CHECK(shown.form.Top() == 30 * 15);
}

TEST_CASE("hand-off between real windows uses where the user left them") {
  Shown shown;
  registry::MemoryStore store;
  registry::Registry reg(store);
  TestForm other(shown.program, reg);
  shown.form.SetPosition(1500, 1200);
  shown.robot.Pump();
  OpenAt(other, shown.form);
  shown.robot.Pump();
  HWND other_window = shown.host.WindowOf(other);
  REQUIRE(other_window != nullptr);
  CHECK(automation::ScreenRect(other_window).left == 100);
  CHECK(automation::ScreenRect(other_window).top == 80);
  CHECK_FALSE(automation::Shown(shown.window));

  SetWindowPos(other_window, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  shown.robot.Pump();
  ReturnToOpener(other);
  shown.robot.Pump();
  CHECK(automation::Shown(shown.window));
  CHECK_FALSE(automation::Shown(other_window));
  CHECK(automation::ScreenRect(shown.window).left == 200);
  CHECK(automation::ScreenRect(shown.window).top == 150);
}

TEST_CASE("fonts and texts: MS Sans Serif and Small Fonts, Dutch letters in the ANSI code page") {
  Shown shown(true);
  int height = 0;
  CHECK(FaceOf(shown.Control("chkGrey"), &height) == "MS Sans Serif");
  CHECK(height == -11);  // 8.25 points at 96 DPI
  CHECK(FaceOf(shown.Control("lblNote"), &height) == "Small Fonts");
  CHECK(height == -9);

  CHECK(automation::Text(shown.window) == "Testvenster");
  const std::string note = "Geïnstalleerd: ¼ van de wijzigingen werkt pas na één herstart.";
  CHECK(automation::Text(shown.Control("lblNote")) == note);
  REQUIRE(GetACP() == 1252);
  const std::string ansi = NativeText(shown.Control("lblNote"));
  CHECK(ansi.substr(0, 13) == "Ge\xEFnstalleerd");
  CHECK(ansi.find("\xBC van") != std::string::npos);
  CHECK(ansi.find("\xE9\xE9n") != std::string::npos);
}

TEST_CASE("UTF-8 is decoded by hand, without CP_UTF8") {
  CHECK(Utf8ToWide("a\xC3\xAF\xC2\xBC") == std::wstring(L"a\x00EF\x00BC"));
  CHECK(Utf8ToWide("\xF0\x9F\x98\x80") == std::wstring(L"\xD83D\xDE00"));
  CHECK(WideToUtf8(L"\xD83D\xDE00") == "\xF0\x9F\x98\x80");
  // Malformed input: a stray continuation, an overlong form, a cut sequence.
  CHECK(Utf8ToWide("\x80x") == std::wstring(L"\xFFFDx"));
  CHECK(Utf8ToWide("\xC0\xAF") == std::wstring(L"\xFFFD\xFFFD"));
  CHECK(Utf8ToWide("\xE2\x82") == std::wstring(L"\xFFFD\xFFFD"));
  CHECK(AnsiToUtf8(Utf8ToAnsi("één ¼")) == "één ¼");
}

TEST_CASE("hover lights frame captions through real cursor moves; ForeColor follows") {
  Shown shown;
  HWND options = shown.Control("framOptions");
  HWND speed = shown.Control("framSpeed");
  HWND clock = shown.Control("lblClock");
  CHECK(automation::ForeColor(options) == kLightYellow);

  shown.robot.MouseOver(shown.Control("chkSet"));
  CHECK(automation::ForeColor(options) == kRed);
  CHECK(automation::ForeColor(speed) == kLightYellow);

  shown.robot.MouseOver(shown.Control("lblSpeed"));  // a label: SS_NOTIFY
  CHECK(automation::ForeColor(options) == kLightYellow);
  CHECK(automation::ForeColor(speed) == kRed);
  CHECK(automation::ForeColor(clock) == kRed);  // follows its frame

  // The frame's own empty space: the form hit-tests the group box.
  const RECT frame = automation::RectInForm(options);
  shown.robot.MouseAt(shown.window, frame.right - 6, frame.bottom - 6);
  CHECK(automation::ForeColor(options) == kRed);
  CHECK(automation::ForeColor(speed) == kLightYellow);

  shown.robot.MouseAt(shown.window, 4, 4);  // the form itself
  CHECK(automation::ForeColor(options) == kLightYellow);
  CHECK(automation::ForeColor(clock) == kLightYellow);

  shown.robot.MouseOver(shown.Control("scrSpeed"));
  CHECK(automation::ForeColor(speed) == kRed);
  shown.robot.MouseOver(shown.Control("imgBanner"));
  CHECK(automation::ForeColor(speed) == kLightYellow);
}

TEST_CASE("check boxes and options show the model's state; clicks go through the model") {
  Shown shown;
  HWND grey = shown.Control("chkGrey");
  CHECK(automation::CheckState(grey) == BST_INDETERMINATE);
  shown.robot.Click(grey);
  CHECK(shown.form.chkGrey.Value() == 1);
  CHECK(automation::CheckState(grey) == BST_CHECKED);
  shown.robot.MouseClick(grey);  // real mouse buttons
  CHECK(shown.form.chkGrey.Value() == 0);
  CHECK(automation::CheckState(grey) == BST_UNCHECKED);
  CHECK(shown.form.log == std::vector<std::string>{"chkGrey 1", "chkGrey 0"});

  shown.form.chkGrey.SetValue(2);  // code -> native
  CHECK(automation::CheckState(grey) == BST_INDETERMINATE);

  // Options exclude each other within their container only, and Tab
  // enters a group at its selected button.
  auto tab_stop = [&](const char* name) {
    return (GetWindowLongA(shown.Control(name), GWL_STYLE) & WS_TABSTOP) != 0;
  };
  CHECK(tab_stop("optX"));
  CHECK_FALSE(tab_stop("optY"));
  shown.robot.Click(shown.Control("optY"));
  CHECK(tab_stop("optY"));
  CHECK_FALSE(tab_stop("optX"));
  CHECK(automation::CheckState(shown.Control("optY")) == BST_CHECKED);
  CHECK(automation::CheckState(shown.Control("optX")) == BST_UNCHECKED);
  CHECK(automation::CheckState(shown.Control("optLow")) == BST_CHECKED);

  // A disabled box refuses the click and says so.
  shown.form.chkSet.SetEnabled(false);
  CHECK_FALSE(automation::Usable(shown.Control("chkSet")));
  shown.robot.Click(shown.Control("chkSet"));
  CHECK(shown.form.chkSet.Value() == 1);
  CHECK(automation::CheckState(shown.Control("chkSet")) == BST_CHECKED);
}

// A control that answers BM_SETCHECK with the BN_CLICKED a user's click
// sends: the echo some native controls give of a change made to them.
LRESULT CALLBACK EchoingCheck(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto next = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "EchoNext"));
  const LRESULT result = CallWindowProcA(next, hwnd, message, wparam, lparam);
  if (message == BM_SETCHECK) {
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
  }
  return result;
}

TEST_CASE("a notification sent while the host writes the model into a control is dropped") {
  Shown shown;
  HWND low = shown.Control("optLow");
  REQUIRE(shown.form.optLow.Value());
  SetPropA(low, "EchoNext",
           reinterpret_cast<HANDLE>(
               SetWindowLongPtrA(low, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EchoingCheck))));
  shown.form.optHigh.SetValue(true);  // unchecks optLow, which echoes a click
  SetWindowLongPtrA(low, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(low, "EchoNext")));
  RemovePropA(low, "EchoNext");
  CHECK(shown.form.log == std::vector<std::string>{"optHigh"});
  CHECK(shown.form.optHigh.Value());
  CHECK_FALSE(shown.form.optLow.Value());
  CHECK(automation::CheckState(low) == BST_UNCHECKED);
}

TEST_CASE("scroll bars: Value is the native position, Max is reachable, Change ends a move") {
  Shown shown;
  HWND bar = shown.Control("scrSpeed");
  int min = 0, max = 0;
  automation::ScrollRange(bar, &min, &max);
  CHECK(min == 120);
  CHECK(max == 240);
  CHECK(automation::ScrollPos(bar) == 140);

  shown.robot.Scroll(bar, SB_LINEDOWN);
  CHECK(shown.form.scrSpeed.Value() == 141);
  shown.robot.Scroll(bar, SB_PAGEDOWN);
  CHECK(shown.form.scrSpeed.Value() == 146);
  CHECK(automation::ScrollPos(bar) == 146);
  CHECK(automation::Text(shown.Control("lblSpeed")) == "146");

  // A drag moves only the thumb until the user lets go.
  shown.form.log.clear();
  shown.robot.Track(bar, 200);
  shown.robot.Track(bar, 238);
  CHECK(automation::ScrollPos(bar) == 238);
  CHECK(shown.form.scrSpeed.Value() == 146);
  CHECK(shown.form.log.empty());
  shown.robot.Release(bar, 240);
  CHECK(shown.form.scrSpeed.Value() == 240);
  CHECK(automation::ScrollPos(bar) == 240);
  CHECK(shown.form.log == std::vector<std::string>{"scrSpeed 240"});

  // No page size: the thumb's last position is Max itself.
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(bar, SB_CTL, &info);
  CHECK(info.nPage == 0u);
  shown.robot.Scroll(bar, SB_LINEDOWN);  // already at Max
  CHECK(shown.form.scrSpeed.Value() == 240);
  CHECK(shown.form.log.size() == 1u);

  // Min at the top of a vertical bar: a real click on the top arrow.
  shown.form.scrSpeed.SetValue(125);
  const RECT rect = automation::RectInForm(bar);
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  shown.robot.MouseAt(shown.window, (rect.left + rect.right) / 2, rect.top + arrow / 2);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  // The bar follows the button in a loop of its own, inside the press.
  shown.robot.PumpUntil([](const MSG& message) { return message.message == WM_LBUTTONDOWN; });
  CHECK(shown.form.scrSpeed.Value() == 124);

  // Code sets the native bar; a drag past the end stops at Max.
  shown.form.scrGamma.SetValue(130);
  CHECK(automation::ScrollPos(shown.Control("scrGamma")) == 130);
  shown.robot.Release(shown.Control("scrGamma"), 500);
  CHECK(shown.form.scrGamma.Value() == 400);
  CHECK(automation::Text(shown.Control("lblGamma")) == "4");
}

TEST_CASE("the combo box's edit text is the model's Text") {
  Shown shown;
  HWND combo = shown.Control("cboRate(3)");
  CHECK(automation::Text(combo) == "Best");
  CHECK(automation::ComboList(combo) == std::vector<std::string>{"Best", "60", "75"});
  shown.robot.Pick(combo, 2);
  CHECK(shown.form.cboRate.Text() == "75");
  CHECK(automation::Text(combo) == "75");
  shown.robot.Type(combo, "85");
  CHECK(shown.form.cboRate.Text() == "85");
  shown.form.cboRate.SetText("60");
  CHECK(automation::Text(combo) == "60");
  CHECK(shown.form.log == std::vector<std::string>{"cboRate 75", "cboRate 85", "cboRate 60"});
}

TEST_CASE("frames carry what they hold; a coloured combo box paints its own colours") {
  Shown shown;
  HWND bar = shown.Control("scrSpeed");
  shown.form.framSpeed.SetVisible(false);
  CHECK_FALSE(automation::Shown(bar));
  CHECK_FALSE(automation::Shown(shown.Control("lblSpeed")));
  shown.form.lblSpeed.SetVisible(false);
  shown.form.framSpeed.SetVisible(true);
  CHECK(automation::Shown(bar));
  CHECK_FALSE(automation::Shown(shown.Control("lblSpeed")));  // hidden on its own

  shown.form.framSpeed.SetLeft(3900);  // 300 twips right: 20 pixels
  const RECT moved = automation::RectInForm(bar);
  CHECK(moved.left == shown.Expected(shown.form.scrSpeed).left);
  CHECK(moved.left == (3900 + 240) / 15);

  shown.form.framOptions.SetCaption("Choices");
  CHECK(automation::Text(shown.Control("framOptions")) == "Choices");
  shown.form.SetCaption("Renamed");
  CHECK(automation::Text(shown.window) == "Renamed");

  // The refresh window's combo boxes: light grey with black text.
  HWND combo = shown.Control("cboRate(3)");
  shown.form.cboRate.SetBackColor(kLightGrey);
  shown.form.cboRate.SetForeColor(kBlack);
  shown.robot.Pump(100);
  HWND edit = GetWindow(combo, GW_CHILD);
  RECT inside;
  GetClientRect(edit, &inside);
  HDC dc = GetDC(edit);
  const COLORREF back = GetPixel(dc, inside.right - 3, inside.bottom - 2);
  ReleaseDC(edit, dc);
  CHECK(back == kLightGrey);
}

TEST_CASE("keyboard as in a dialog: tab order, Enter, Esc and shared mnemonics") {
  Shown shown;
  automation::Robot& robot = shown.robot;
  CHECK(automation::HasName(automation::FocusedControl(), "chkGrey"));
  // Tab enters an option group at its selected button and leaves it next.
  const std::vector<std::string> order = {"chkSet",     "optX",       "scrSpeed",  "cmdAdvanced",
                                          "cmdApply",   "cmdMessage", "optLow",    "scrGamma",
                                          "cboRate(3)", "cmdOK",      "cmdCancel", "chkGrey"};
  for (const std::string& name : order) {
    robot.Key(VK_TAB);
    CHECK(automation::HasName(automation::FocusedControl(), name));
  }
  robot.Key(VK_TAB, true);
  CHECK(automation::HasName(automation::FocusedControl(), "cmdCancel"));

  // Enter presses the default button unless a push button has the focus.
  robot.Key(VK_TAB);  // chkGrey
  robot.Key(VK_RETURN);
  robot.Key(VK_ESCAPE);
  CHECK(shown.form.log == std::vector<std::string>{"OK", "Cancel"});
  shown.form.log.clear();

  // "&Advanced" and "&Apply" share A: each Alt+A moves the focus on.
  robot.AltKey('a');
  CHECK(automation::HasName(automation::FocusedControl(), "cmdAdvanced"));
  robot.AltKey('a');
  CHECK(automation::HasName(automation::FocusedControl(), "cmdApply"));
  robot.AltKey('a');
  CHECK(automation::HasName(automation::FocusedControl(), "cmdAdvanced"));
  CHECK(shown.form.log.empty());
  robot.Key(VK_TAB);  // cmdApply
  // A focused push button looks like the one Enter presses.
  CHECK(ButtonType(shown.Control("cmdApply")) == BS_DEFPUSHBUTTON);
  CHECK(ButtonType(shown.Control("cmdOK")) == BS_PUSHBUTTON);
  robot.Key(VK_RETURN);
  CHECK(shown.form.log == std::vector<std::string>{"Apply"});

  // A mnemonic of its own presses its control.
  robot.AltKey('h');
  CHECK(shown.form.optHigh.Value());
  robot.AltKey('g');
  CHECK(shown.form.chkGrey.Value() == 1);

  // The vertical bar takes the arrow keys.
  shown.host.SetFocus(shown.form.scrSpeed);
  robot.Key(VK_DOWN);
  CHECK(shown.form.scrSpeed.Value() == 141);
  // Away from the push buttons the form's default button looks it again.
  CHECK(ButtonType(shown.Control("cmdOK")) == BS_DEFPUSHBUTTON);
  CHECK(ButtonType(shown.Control("cmdApply")) == BS_PUSHBUTTON);

  // Without a default button, Enter does nothing.
  shown.form.SetDefaultButton(nullptr);
  shown.host.SetFocus(shown.form.chkSet);
  shown.form.log.clear();
  robot.Key(VK_RETURN);
  CHECK(shown.form.log.empty());
  // Without a default button none looks it.
  CHECK(ButtonType(shown.Control("cmdApply")) == BS_PUSHBUTTON);
  CHECK(ButtonType(shown.Control("cmdOK")) == BS_PUSHBUTTON);

  // A label's or a frame's mnemonic hands the focus to the next tab stop.
  shown.form.lblClock.SetCaption("Cloc&k/Memory");
  shown.form.framSpeed.SetCaption("Spee&d");
  robot.AltKey('k');
  CHECK(automation::HasName(automation::FocusedControl(), "cmdAdvanced"));
  robot.AltKey('d');
  CHECK(automation::HasName(automation::FocusedControl(), "scrSpeed"));

  // The focus the program gives (as at a form's first activation) chooses
  // nothing; an arrow key in the group chooses where it lands.
  shown.host.SetFocus(shown.form.optY);
  CHECK_FALSE(shown.form.optY.Value());
  robot.Key(VK_UP);
  CHECK(shown.form.optX.Value());
  robot.Key(VK_DOWN);
  CHECK(shown.form.optY.Value());
  CHECK_FALSE(shown.form.optX.Value());
}

TEST_CASE("message boxes: the text and title asked for, OK only, no icon") {
  Shown shown;
  automation::MessageBoxes boxes;
  shown.robot.Click(shown.Control("cmdMessage"));
  REQUIRE(boxes.seen().size() == 1u);
  CHECK(boxes.seen()[0].title == "Forms test window");
  CHECK(boxes.seen()[0].text == "Settings saved.");
  CHECK_FALSE(boxes.seen()[0].icon);
  CHECK(shown.form.log == std::vector<std::string>{"Message"});
}

TEST_CASE("pictures: a baseline JPEG beside the program, drawn at the image's size") {
  Shown shown;
  CHECK(shown.form.imgBanner.Picture() == JoinPath(ProgramFolder(), TestForm::kPicture));
  shown.robot.Pump(100);
  const RECT image = automation::RectInForm(shown.Control("imgBanner"));
  HDC dc = GetDC(shown.window);
  const COLORREF left = GetPixel(dc, image.left + 8, (image.top + image.bottom) / 2);
  const COLORREF right = GetPixel(dc, image.right - 8, (image.top + image.bottom) / 2);
  ReleaseDC(shown.window, dc);
  CHECK(GetRValue(left) > 200);  // the test picture: red, then blue
  CHECK(GetBValue(left) < 60);
  CHECK(GetBValue(right) > 200);
  CHECK(GetRValue(right) < 60);

  CHECK_FALSE(shown.form.imgBanner.LoadPicture(JoinPath(ProgramFolder(), "missing.jpg")));
  CHECK(shown.form.imgBanner.Picture() == JoinPath(ProgramFolder(), TestForm::kPicture));
}

TEST_CASE("a Windows without the picture loader: images stay empty, everything else works") {
  // The loader is looked up by name; here the real one and a missing one.
  CHECK(Pictures().CanLoad());
  Pictures none("NoSuchPictureLoader");
  CHECK_FALSE(none.CanLoad());
  CHECK_FALSE(none.Load(JoinPath(ProgramFolder(), TestForm::kPicture)));

  Shown shown(false, "NoSuchPictureLoader");
  REQUIRE(shown.window != nullptr);
  CHECK(shown.form.imgBanner.Picture().empty());
  shown.robot.Pump(100);
  const RECT image = automation::RectInForm(shown.Control("imgBanner"));
  HDC dc = GetDC(shown.window);
  const COLORREF left = GetPixel(dc, image.left + 8, (image.top + image.bottom) / 2);
  ReleaseDC(shown.window, dc);
  CHECK_FALSE((GetRValue(left) > 200 && GetBValue(left) < 60));  // no red half of the picture

  HWND grey = shown.Control("chkGrey");
  shown.robot.Click(grey);
  CHECK(shown.form.chkGrey.Value() == 1);
  CHECK(automation::CheckState(grey) == BST_CHECKED);
}

// What the pictures' palette asks of GDI, passed on to GDI: a palette
// screen or not, and as many changed colours as a test says.
struct PaletteRecorder : PaletteGdi {
  struct Call {
    HDC dc;
    HWND window;       // the DC's window
    HPALETTE palette;  // selected; null for RealizePalette
    bool background;
    HGDIOBJ before;  // the DC's palette when the call came
  };
  bool IsPaletteDevice(HDC) override { return palette_device; }
  HPALETTE Select(HDC dc, HPALETTE palette, bool background) override {
    calls.push_back({dc, WindowFromDC(dc), palette, background, GetCurrentObject(dc, OBJ_PAL)});
    return PaletteGdi::Select(dc, palette, background);
  }
  UINT Realize(HDC dc) override {
    calls.push_back({dc, WindowFromDC(dc), nullptr, false, GetCurrentObject(dc, OBJ_PAL)});
    PaletteGdi::Realize(dc);
    return changes;
  }
  bool palette_device = true;
  UINT changes = 0;
  std::vector<Call> calls;
};

// Whether `calls` are one use of `palette` in a DC of `window`: selected
// (for the foreground unless `background`), realized, and put back after
// the drawing.
void CheckOneUse(const std::vector<PaletteRecorder::Call>& calls, HPALETTE palette, HWND window,
                 bool background) {
  REQUIRE(calls.size() == 3);
  CHECK(calls[0].palette == palette);
  CHECK(calls[0].background == background);
  CHECK(calls[1].palette == nullptr);  // realized
  CHECK(calls[1].before == palette);
  CHECK(calls[2].before == palette);  // still there when it is put back
  CHECK(calls[2].palette == calls[0].before);
  for (const auto& call : calls) {
    CHECK(call.dc == calls[0].dc);
    CHECK(call.window == window);
  }
}

bool Invalid(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != 0; }

TEST_CASE("256 colours: pictures drawn through a realized palette; the form answers palette news") {
  {
    // A program without pictures leaves the system palette alone.
    PaletteRecorder gdi;
    Shown bare(false, "NoSuchPictureLoader", &gdi);
    CHECK(SendMessageA(bare.window, WM_QUERYNEWPALETTE, 0, 0) == FALSE);
    CHECK(gdi.calls.empty());
  }
  PaletteRecorder gdi;
  Shown shown(false, Pictures::kLoaderName, &gdi);
  HWND image = shown.Control("imgBanner");
  // The image draws through a halftone palette of 256 colours.
  gdi.calls.clear();
  InvalidateRect(image, nullptr, FALSE);
  shown.robot.Pump(100);
  REQUIRE(gdi.calls.size() == 3);
  HPALETTE halftone = gdi.calls[0].palette;
  REQUIRE(halftone != nullptr);
  CHECK(halftone != GetStockObject(DEFAULT_PALETTE));
  WORD entries = 0;
  GetObjectA(halftone, sizeof(entries), &entries);
  CHECK(entries == 256);
  CheckOneUse(gdi.calls, halftone, image, false);
  HDC dc = GetDC(shown.window);
  const RECT rect = automation::RectInForm(image);
  const COLORREF left = GetPixel(dc, rect.left + 8, (rect.top + rect.bottom) / 2);
  ReleaseDC(shown.window, dc);
  CHECK(GetRValue(left) > 200);  // and the picture is there

  // Brought to the front: the form realizes it, and draws again only when
  // the system palette changed.
  gdi.calls.clear();
  CHECK(SendMessageA(shown.window, WM_QUERYNEWPALETTE, 0, 0) == TRUE);
  CheckOneUse(gdi.calls, halftone, shown.window, false);
  CHECK_FALSE(Invalid(image));
  gdi.changes = 12;
  CHECK(SendMessageA(shown.window, WM_QUERYNEWPALETTE, 0, 0) == TRUE);
  CHECK(Invalid(image));
  shown.robot.Pump(100);
  CHECK_FALSE(Invalid(image));

  // Another window changed the system palette: realized in the background
  // and drawn again. News of its own realizing goes unanswered.
  gdi.calls.clear();
  SendMessageA(shown.window, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(shown.window), 0);
  SendMessageA(shown.window, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(image), 0);
  CHECK(gdi.calls.empty());
  CHECK_FALSE(Invalid(image));
  SendMessageA(shown.window, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(GetDesktopWindow()), 0);
  CheckOneUse(gdi.calls, halftone, shown.window, true);
  CHECK(Invalid(image));
  shown.robot.Pump(100);

  // A screen without palettes: no palette, nothing to realize.
  gdi.palette_device = false;
  gdi.calls.clear();
  CHECK(SendMessageA(shown.window, WM_QUERYNEWPALETTE, 0, 0) == FALSE);
  InvalidateRect(image, nullptr, FALSE);
  shown.robot.Pump(100);
  CHECK(gdi.calls.empty());
}

TEST_CASE("files: patterns delete files only, read-only ones stay; the program's folder") {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "tarnolux-files";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* name : {"mnstr1.dll", "MNSTR2.TMP", "other.dll", "mnstr3.ro"}) {
    HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
  }
  SetFileAttributesA((folder + "\\mnstr3.ro").c_str(), FILE_ATTRIBUTE_READONLY);
  CreateDirectoryA((folder + "\\mnstrdir").c_str(), nullptr);

  Win32Files files;
  files.RemoveFiles(folder + "\\mnstr*");
  auto exists = [&](const char* name) {
    return GetFileAttributesA((folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  CHECK_FALSE(exists("mnstr1.dll"));
  CHECK_FALSE(exists("MNSTR2.TMP"));
  CHECK(exists("other.dll"));
  CHECK(exists("mnstr3.ro"));
  CHECK(exists("mnstrdir"));

  CHECK_FALSE(files.RemoveFile(folder + "\\mnstr3.ro"));
  CHECK_FALSE(files.RemoveFile(folder + "\\none.dll"));
  CHECK(files.RemoveFile(folder + "\\other.dll"));

  SetFileAttributesA((folder + "\\mnstr3.ro").c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA((folder + "\\mnstr3.ro").c_str());
  RemoveDirectoryA((folder + "\\mnstrdir").c_str());
  RemoveDirectoryA(folder.c_str());

  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  const std::string path = module;
  CHECK(files.ProgramFolder() == path.substr(0, path.find_last_of('\\')));
  CHECK(FolderOf("C:\\Tarnolux.exe") == "C:\\");
  CHECK(FolderOf("C:\\Program Files\\Tarnolux\\Tarnolux.exe") == "C:\\Program Files\\Tarnolux");
}

TEST_CASE("the close box ends the program: in process through the seam, and for real") {
  {
    Shown shown;
    shown.robot.Close(shown.window);
    CHECK(shown.ended);
    CHECK(shown.program.Ended());
    CHECK_FALSE(automation::Shown(shown.window));
  }

  const std::string child = JoinPath(ProgramFolder(), "forms_win32_testform.exe");
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  const DWORD start = GetTickCount();
  REQUIRE(CreateProcessA(child.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process));
  HWND window = nullptr;
  while (!window && GetTickCount() - start < 20000) {
    HWND found = FindForm("frmtest");
    if (found && automation::Shown(found)) window = found;
    if (!window) Sleep(20);
  }
  REQUIRE(window != nullptr);
  MESSAGE("the test form was up ", GetTickCount() - start, " ms after the process started");
  automation::Robot robot;
  HWND box = FindControl(window, "chkGrey");
  CHECK(automation::CheckState(box) == BST_INDETERMINATE);

  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  CHECK(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CHECK(code == 0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The names are global atoms: the ended process gave them back.
  CHECK(GlobalFindAtomA("chkGrey") == 0);
}

}  // namespace
}  // namespace forms::win32
