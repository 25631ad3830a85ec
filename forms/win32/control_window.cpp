#include "forms/win32/control_window.h"

#include "forms/win32/names.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

constexpr const char* kPeerProp = "FormsPeer";

}  // namespace

void ControlWindow::Create(HWND form, int id) {
  id_ = id;
  // Born with its text, place and state, so that nothing is set twice
  // (each call is a round trip to the window server under Wine).
  DWORD style = WS_CHILD | Style();
  if (StartsGroup()) style |= WS_GROUP;
  if (control_.TabStop()) style |= WS_TABSTOP;
  if (Shown()) style |= WS_VISIBLE;
  if (!Usable()) style |= WS_DISABLED;
  const RECT bounds = PixelBounds();
  hwnd_ = CreateWindowExA(
      0, ClassName(), HasCaption() ? Utf8ToAnsi(control_.Caption()).c_str() : "", style,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, form,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), context_.instance, nullptr);
  if (!hwnd_) return;
  SetName(hwnd_, control_.Name());
  Subclass(hwnd_, &original_);
  OnCreated();
  control_.set_peer(this);
  Applying applying(context_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(context_.gdi.Font(control_.Font())),
               FALSE);
  if (HasTextColors()) SetForeColorProperty(hwnd_, TextColor());
  ShowList();
  ShowValue();
}

ControlWindow::~ControlWindow() {
  if (!forgotten_ && control_.peer() == this) control_.set_peer(nullptr);
  forgotten_ = true;
  if (hwnd_) DestroyWindow(hwnd_);
}

void ControlWindow::Subclass(HWND hwnd, WNDPROC* original) {
  SetPropA(hwnd, kPeerProp, this);
  *original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

void ControlWindow::SubclassChild(HWND child) {
  child_ = child;
  if (child_) Subclass(child_, &child_original_);
}

ControlWindow* ControlWindow::From(HWND hwnd) {
  // A dropped list's parent is its combo box; stop at the form.
  for (int depth = 0; hwnd && depth < 3; ++depth) {
    if (auto* peer = static_cast<ControlWindow*>(GetPropA(hwnd, kPeerProp))) return peer;
    hwnd = GetParent(hwnd);
  }
  return nullptr;
}

LRESULT CALLBACK ControlWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  auto* self = static_cast<ControlWindow*>(GetPropA(hwnd, kPeerProp));
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  WNDPROC original = hwnd == self->child_ ? self->child_original_ : self->original_;
  return self->OnMessage(original, hwnd, message, wparam, lparam);
}

LRESULT ControlWindow::OnMessage(WNDPROC original, HWND hwnd, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!forgotten_) control_.UserMouseMove();
      break;
    case WM_SETFOCUS:
      if (!forgotten_) return OnFocus(original, hwnd, wparam, lparam);
      break;
    case WM_NCDESTROY: {
      // Windows 95 keeps properties past the window: remove them.
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropA(hwnd, kPeerProp);
      if (hwnd == hwnd_) {
        ReleaseName(hwnd);
        RemovePropA(hwnd, "ForeColor");
        hwnd_ = nullptr;
      }
      return CallWindowProcA(original, hwnd, message, wparam, lparam);
    }
    default: {
      LRESULT result = 0;
      if (OnOwnMessage(message, wparam, &result)) return result;
      break;
    }
  }
  return CallWindowProcA(original, hwnd, message, wparam, lparam);
}

LRESULT ControlWindow::OnFocus(WNDPROC original, HWND hwnd, WPARAM wparam, LPARAM lparam) {
  SendMessageA(GetParent(hwnd_), kControlFocused, 0, reinterpret_cast<LPARAM>(this));
  // Windows' option button tells its parent BN_CLICKED when it takes the
  // focus unselected, whoever moved the focus: Tab, the form coming back
  // to the front, the program. None of that is the user's choice, so
  // what the control notifies meanwhile is dropped (Command). Only the
  // dialog manager's arrow keys, which move within an option group,
  // choose what they land on: the first control to take the focus while
  // the key is handled, not one a handler moves it to afterwards.
  const bool by_arrow_key = context_.arrow_key;
  context_.arrow_key = false;
  // A combo box hands its focus on to its edit field: nested, so the
  // outer call's mark is put back, not cleared.
  const bool outer = gaining_focus_;
  gaining_focus_ = true;
  const LRESULT result = CallWindowProcA(original, hwnd, WM_SETFOCUS, wparam, lparam);
  gaining_focus_ = outer;
  if (by_arrow_key && !forgotten_) OnArrowKeyFocus();
  return result;
}

// ---- model -> window ----

void ControlWindow::Update(Prop what) {
  if (!hwnd_ || forgotten_) return;
  Applying applying(context_);
  switch (what) {
    case Prop::Caption:
      ShowCaption();
      break;
    case Prop::Bounds:
      ShowBounds();
      break;
    case Prop::ForeColor:
    case Prop::BackColor:
      ShowColors();
      break;
    case Prop::Font:
      ShowFont();
      break;
    case Prop::Visible:
    case Prop::Enabled:
      ShowState();
      break;
    case Prop::Value:
      ShowValue();
      break;
    case Prop::List:
      ShowList();
      break;
    case Prop::Picture:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
  }
}

void ControlWindow::ShowCaption() {
  if (HasCaption()) SetWindowTextA(hwnd_, Utf8ToAnsi(control_.Caption()).c_str());
}

RECT ControlWindow::PixelBounds() const {
  const Screen& screen = context_.screen;
  RECT bounds;
  bounds.left = screen.ToPixelsX(control_.FormLeft());
  bounds.top = screen.ToPixelsY(control_.FormTop());
  bounds.right = bounds.left + screen.ToPixelsX(control_.Width());
  bounds.bottom = bounds.top + screen.ToPixelsY(control_.Height());
  return bounds;
}

void ControlWindow::ShowBounds() {
  const RECT bounds = PixelBounds();
  MoveWindow(hwnd_, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
             TRUE);
}

COLORREF ControlWindow::TextColor() const {
  return control_.ForeColor() == kSystemColor ? GetSysColor(COLOR_BTNTEXT) : control_.ForeColor();
}

COLORREF ControlWindow::FillColor() const {
  return control_.BackColor() == kSystemColor ? GetSysColor(COLOR_BTNFACE) : control_.BackColor();
}

void ControlWindow::ShowColors() {
  if (HasTextColors()) SetForeColorProperty(hwnd_, TextColor());
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (child_) InvalidateRect(child_, nullptr, TRUE);
}

void ControlWindow::ShowFont() {
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(context_.gdi.Font(control_.Font())),
               TRUE);
}

bool ControlWindow::Shown() const {
  for (const Control* c = &control_; c; c = c->frame()) {
    if (!c->Visible()) return false;
  }
  return true;
}

bool ControlWindow::Usable() const {
  for (const Control* c = &control_; c; c = c->frame()) {
    if (!c->Enabled()) return false;
  }
  return true;
}

void ControlWindow::ShowState() {
  EnableWindow(hwnd_, Usable());
  ShowWindow(hwnd_, Shown() ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::ShowValueAgain() {
  if (!forgotten_ && hwnd_) {
    Applying applying(context_);
    ShowValue();
  }
}

// ---- window -> model ----

void ControlWindow::Command(int code) {
  if (!forgotten_ && !gaining_focus_) OnCommand(code);
}

void ControlWindow::Scroll(int request, int position) {
  if (!forgotten_) OnScroll(request, position);
}

HBRUSH ControlWindow::CtlColor(UINT message, HDC dc) {
  return forgotten_ ? nullptr : OnCtlColor(message, dc);
}

HBRUSH ControlWindow::OnCtlColor(UINT /*message*/, HDC dc) {
  if (!HasTextColors()) return nullptr;
  SetTextColor(dc, TextColor());
  SetBkColor(dc, FillColor());
  return context_.gdi.Brush(FillColor());
}

}  // namespace forms::win32
