#include "forms/win32/automation.h"

#include "forms/win32/names.h"
#include "forms/win32/text.h"
#include "forms/win32/win32_host.h"

namespace forms::automation {

namespace {

struct Search {
  std::string name;
  HWND visible = nullptr;
  HWND hidden = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<Search*>(lparam);
  if (!HasName(hwnd, search->name)) return TRUE;
  if (IsWindowVisible(hwnd)) {
    search->visible = hwnd;
    return FALSE;
  }
  if (!search->hidden) search->hidden = hwnd;
  return TRUE;
}

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<Search*>(lparam);
  if (!HasName(hwnd, search->name)) return TRUE;
  search->visible = hwnd;
  return FALSE;
}

POINT Centre(HWND window) {
  const RECT rect = ScreenRect(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The control a window belongs to: a combo box's edit field is its box's.
HWND Owning(HWND window) {
  if (window && NameOf(window).empty()) {
    HWND parent = GetParent(window);
    if (parent && !NameOf(parent).empty()) return parent;
  }
  return window;
}

void SendScroll(HWND bar, int code, int position) {
  const bool vertical = (GetWindowLongA(bar, GWL_STYLE) & SBS_VERT) != 0;
  SendMessageA(GetParent(bar), vertical ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
               reinterpret_cast<LPARAM>(bar));
}

void Notify(HWND control, int code) {
  SendMessageA(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(code)),
               reinterpret_cast<LPARAM>(control));
}

void KeyDown(WORD key) { keybd_event(static_cast<BYTE>(key), 0, 0, 0); }
void KeyUp(WORD key) { keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0); }

}  // namespace

// ---- finding ----

std::string NameOf(HWND window) { return win32::NameOf(window); }

bool HasName(HWND window, const std::string& name) {
  return !name.empty() &&
         lstrcmpiA(win32::Utf8ToAnsi(NameOf(window)).c_str(), win32::Utf8ToAnsi(name).c_str()) == 0;
}

HWND FindForm(const std::string& name) {
  Search search{name};
  EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.visible ? search.visible : search.hidden;
}

HWND FindControl(HWND form, const std::string& name) {
  if (!form) return nullptr;
  Search search{name};
  EnumChildWindows(form, &FindChild, reinterpret_cast<LPARAM>(&search));
  return search.visible;
}

// ---- reading ----

std::string Text(HWND window) { return win32::AnsiToUtf8(win32::NativeText(window)); }

unsigned long ForeColor(HWND window) {
  return static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetPropA(window, "ForeColor")));
}

int CheckState(HWND button) { return static_cast<int>(SendMessageA(button, BM_GETCHECK, 0, 0)); }

int ScrollPos(HWND bar) { return static_cast<int>(SendMessageA(bar, SBM_GETPOS, 0, 0)); }

void ScrollRange(HWND bar, int* min, int* max) {
  SendMessageA(bar, SBM_GETRANGE, reinterpret_cast<WPARAM>(min), reinterpret_cast<LPARAM>(max));
}

std::vector<std::string> ComboList(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    std::string item(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
    item.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    items.push_back(win32::AnsiToUtf8(item));
  }
  return items;
}

bool Shown(HWND window) { return IsWindowVisible(window) != 0; }

bool Usable(HWND window) { return IsWindowEnabled(window) != 0; }

RECT ScreenRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT RectInForm(HWND control) {
  RECT rect = ScreenRect(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND FocusedControl() { return Owning(GetFocus()); }

// ---- acting ----

void Robot::Dispatch(MSG& message) {
  if (host_) {
    host_->Dispatch(message);
  } else {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Robot::Pump(int milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) Dispatch(message);
    const DWORD spent = GetTickCount() - start;
    if (spent >= static_cast<DWORD>(milliseconds)) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - spent,
                              QS_ALLINPUT);
  }
}

void Robot::PumpUntil(const std::function<bool(const MSG&)>& done, int timeout) {
  const DWORD start = GetTickCount();
  bool seen = false;
  while (!seen && GetTickCount() - start < static_cast<DWORD>(timeout)) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (done(message)) seen = true;
      Dispatch(message);
    }
    if (!seen) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  Pump(20);
}

void Robot::MoveCursor(HWND window, POINT screen) {
  POINT now;
  GetCursorPos(&now);
  SetCursorPos(screen.x, screen.y);
  if (now.x == screen.x && now.y == screen.y) {
    Pump();  // no move, no message to wait for
    return;
  }
  HWND top = GetAncestor(window, GA_ROOT);
  PumpUntil([top](const MSG& message) {
    return message.message == WM_MOUSEMOVE && GetAncestor(message.hwnd, GA_ROOT) == top;
  });
}

void Robot::Click(HWND button) {
  SendMessageA(button, BM_CLICK, 0, 0);
  Pump();
}

void Robot::MouseClick(HWND window) {
  MoveCursor(window, Centre(window));
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  PumpUntil([](const MSG& message) { return message.message == WM_LBUTTONUP; });
}

void Robot::MouseOver(HWND window) { MoveCursor(window, Centre(window)); }

void Robot::MouseAt(HWND form, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(form, &point);
  MoveCursor(form, point);
}

void Robot::Scroll(HWND bar, int code) {
  SendScroll(bar, code, 0);
  SendScroll(bar, SB_ENDSCROLL, 0);
  Pump();
}

void Robot::Track(HWND bar, int position) {
  SendScroll(bar, SB_THUMBTRACK, position);
  Pump();
}

void Robot::Release(HWND bar, int position) {
  SendScroll(bar, SB_THUMBPOSITION, position);
  SendScroll(bar, SB_ENDSCROLL, 0);
  Pump();
}

void Robot::Type(HWND combo, const std::string& text) {
  SetWindowTextA(combo, win32::Utf8ToAnsi(text).c_str());
  Notify(combo, CBN_EDITCHANGE);
  Pump();
}

void Robot::Pick(HWND combo, int index) {
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Notify(combo, CBN_SELCHANGE);
  Pump();
}

namespace {

// Waits for the release of `key`, the last of a keystroke.
std::function<bool(const MSG&)> Released(WORD key) {
  return [key](const MSG& message) {
    return (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) && message.wParam == key;
  };
}

}  // namespace

void Robot::Key(WORD key, bool shift) {
  if (shift) KeyDown(VK_SHIFT);
  KeyDown(key);
  KeyUp(key);
  if (shift) KeyUp(VK_SHIFT);
  PumpUntil(Released(shift ? static_cast<WORD>(VK_SHIFT) : key));
}

void Robot::AltKey(char letter) {
  const WORD key = static_cast<WORD>(VkKeyScanA(letter) & 0xFF);
  KeyDown(VK_MENU);
  KeyDown(key);
  KeyUp(key);
  KeyUp(VK_MENU);
  PumpUntil(Released(VK_MENU));
}

void Robot::TypeKeys(const std::string& text) {
  WORD last = 0;
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    const bool shift = (scan & 0x100) != 0;
    last = static_cast<WORD>(scan & 0xFF);
    if (shift) KeyDown(VK_SHIFT);
    KeyDown(last);
    KeyUp(last);
    if (shift) KeyUp(VK_SHIFT);
    if (shift) last = VK_SHIFT;
  }
  if (last) PumpUntil(Released(last));
}

void Robot::Close(HWND form) {
  SendMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
}

// ---- message boxes ----

namespace {

constexpr UINT_PTR kWatch = 1;
constexpr const char* kWatcherClass = "TarnoluxMessageBoxWatcher";

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lparam) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND*>(lparam) = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindIcon(HWND hwnd, LPARAM lparam) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  if (lstrcmpiA(name, "Static") == 0 && IsWindowVisible(hwnd) &&
      (GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
      SendMessageA(hwnd, STM_GETICON, 0, 0) != 0) {
    *reinterpret_cast<bool*>(lparam) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

MessageBoxes::MessageBoxes() {
  WNDCLASSA watcher = {};
  watcher.lpfnWndProc = &WindowProc;
  watcher.hInstance = GetModuleHandleA(nullptr);
  watcher.lpszClassName = kWatcherClass;
  RegisterClassA(&watcher);
  watcher_ = CreateWindowExA(0, kWatcherClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(watcher_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetTimer(watcher_, kWatch, 20, nullptr);
}

MessageBoxes::~MessageBoxes() {
  KillTimer(watcher_, kWatch);
  DestroyWindow(watcher_);
}

LRESULT CALLBACK MessageBoxes::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<MessageBoxes*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_TIMER && self) {
    self->OnTimer();
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

void MessageBoxes::OnTimer() {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  Seen seen;
  seen.title = Text(dialog);
  seen.text = Text(GetDlgItem(dialog, 0xFFFF));
  EnumChildWindows(dialog, &FindIcon, reinterpret_cast<LPARAM>(&seen.icon));
  seen_.push_back(seen);
  // Sent, not posted: the box ends before the next tick can see it.
  HWND ok = GetDlgItem(dialog, IDOK);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

}  // namespace forms::automation
