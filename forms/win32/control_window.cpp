#include "forms/win32/control_window.h"

#include <algorithm>
#include <vector>

#include "forms/win32/names.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

constexpr const char* kPeerProp = "TarnoluxPeer";
// A dropped combo box list is this much taller than the closed box.
constexpr int kListPixels = 160;

struct NativeClass {
  const char* name;
  DWORD style;
};

NativeClass ClassFor(const Control& control) {
  switch (control.kind()) {
    case Kind::Label:
      return {"STATIC", SS_LEFT | SS_NOTIFY};
    case Kind::Frame:
      // Below its contents in the z-order, so it must not paint over them.
      return {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS};
    case Kind::Button:
      return {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE};
    case Kind::CheckBox:
      // Three-state always: the model decides, and a grey box reads back 2.
      return {"BUTTON", BS_3STATE | BS_MULTILINE};
    case Kind::Option:
      return {"BUTTON", BS_RADIOBUTTON | BS_MULTILINE};
    case Kind::ScrollBar:
      return {"SCROLLBAR",
              static_cast<const ScrollBar&>(control).orientation() == Orientation::Vertical
                  ? static_cast<DWORD>(SBS_VERT)
                  : static_cast<DWORD>(SBS_HORZ)};
    case Kind::ComboBox:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
    case Kind::Image:
      return {kImageClass, 0};
  }
  return {"STATIC", 0};
}

bool HasTextColors(Kind kind) {
  return kind == Kind::Label || kind == Kind::Frame || kind == Kind::CheckBox ||
         kind == Kind::Option;
}

Frame* AsFrame(Control& control) {
  return control.kind() == Kind::Frame ? static_cast<Frame*>(&control) : nullptr;
}

}  // namespace

ControlWindow::ControlWindow(Context& context, Control& control, HWND form, int id,
                             DWORD group_style)
    : context_(context), control_(control), id_(id) {
  // Born with its text, place and state, so that nothing is set twice
  // (each call is a round trip to the window server under Wine).
  const NativeClass native = ClassFor(control);
  DWORD style = WS_CHILD | native.style | group_style;
  if (control.TabStop()) style |= WS_TABSTOP;
  if (control.kind() == Kind::Label && !static_cast<const Label&>(control).UseMnemonic()) {
    style |= SS_NOPREFIX;
  }
  if (Shown()) style |= WS_VISIBLE;
  if (!Usable()) style |= WS_DISABLED;
  const RECT bounds = PixelBounds();
  hwnd_ = CreateWindowExA(
      0, native.name, HasCaption() ? Utf8ToAnsi(control.Caption()).c_str() : "", style, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, form,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), context.instance, nullptr);
  if (!hwnd_) return;
  SetName(hwnd_, control.Name());
  Subclass(hwnd_, &original_);
  if (control.kind() == Kind::ComboBox) {
    edit_ = GetWindow(hwnd_, GW_CHILD);
    if (edit_) Subclass(edit_, &edit_original_);
  }
  control.set_peer(this);
  Applying applying(context_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(context_.gdi.Font(control_.Font())),
               FALSE);
  if (HasTextColors(control_.kind())) SetForeColorProperty(hwnd_, TextColor());
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
  WNDPROC original = hwnd == self->edit_ ? self->edit_original_ : self->original_;
  return self->OnMessage(original, hwnd, message, wparam, lparam);
}

LRESULT ControlWindow::OnMessage(WNDPROC original, HWND hwnd, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!forgotten_) control_.UserMouseMove();
      break;
    case WM_SETFOCUS:
      if (!forgotten_) {
        SendMessageA(GetParent(hwnd_), kControlFocused, 0, reinterpret_cast<LPARAM>(this));
      }
      break;
    case WM_ERASEBKGND:
      if (control_.kind() == Kind::Image) return 1;  // painted whole in WM_PAINT
      break;
    case WM_PAINT:
      if (control_.kind() == Kind::Image && !forgotten_) {
        OnPaintImage();
        return 0;
      }
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
    default:
      break;
  }
  return CallWindowProcA(original, hwnd, message, wparam, lparam);
}

void ControlWindow::OnPaintImage() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client;
  GetClientRect(hwnd_, &client);
  const auto& image = static_cast<const Image&>(control_);
  if (image.Picture().empty() || !context_.pictures.Render(image.Picture(), dc, client)) {
    // An empty image shows the form through it.
    const Color back = control_.form().BackColor();
    FillRect(dc, &client,
             back == kSystemColor ? GetSysColorBrush(COLOR_BTNFACE) : context_.gdi.Brush(back));
  }
  EndPaint(hwnd_, &paint);
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

bool ControlWindow::HasCaption() const {
  const Kind kind = control_.kind();
  return kind != Kind::ScrollBar && kind != Kind::ComboBox && kind != Kind::Image;
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
  if (control_.kind() == Kind::ComboBox) bounds.bottom += kListPixels;
  return bounds;
}

void ControlWindow::ShowBounds() {
  const RECT bounds = PixelBounds();
  MoveWindow(hwnd_, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
             TRUE);
  // Frames are not parents: what sits in one moves with it.
  if (Frame* frame = AsFrame(control_)) {
    for (Control* child : frame->Children()) {
      if (child->peer()) child->peer()->Update(Prop::Bounds);
    }
  }
}

COLORREF ControlWindow::TextColor() const {
  return control_.ForeColor() == kSystemColor ? GetSysColor(COLOR_BTNTEXT) : control_.ForeColor();
}

COLORREF ControlWindow::FillColor() const {
  return control_.BackColor() == kSystemColor ? GetSysColor(COLOR_BTNFACE) : control_.BackColor();
}

void ControlWindow::ShowColors() {
  if (HasTextColors(control_.kind())) {
    SetForeColorProperty(hwnd_, TextColor());
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (edit_) InvalidateRect(edit_, nullptr, TRUE);
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
  if (Frame* frame = AsFrame(control_)) {
    for (Control* child : frame->Children()) {
      if (child->peer()) child->peer()->Update(Prop::Visible);
    }
  }
}

void ControlWindow::ShowValue() {
  switch (control_.kind()) {
    case Kind::CheckBox:
      SendMessageA(hwnd_, BM_SETCHECK, static_cast<const CheckBox&>(control_).Value(), 0);
      break;
    case Kind::Option:
      SendMessageA(hwnd_, BM_SETCHECK,
                   static_cast<const OptionButton&>(control_).Value() ? BST_CHECKED : BST_UNCHECKED,
                   0);
      ShowOptionTabStops();
      break;
    case Kind::ScrollBar: {
      const auto& bar = static_cast<const ScrollBar&>(control_);
      SCROLLINFO info = {};
      info.cbSize = sizeof(info);
      info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
      info.nMin = std::min(bar.Min(), bar.Max());
      info.nMax = std::max(bar.Min(), bar.Max());
      info.nPage = 0;  // no page: the thumb reaches Max
      info.nPos = NativePosition(bar.Value());
      SetScrollInfo(hwnd_, SB_CTL, &info, TRUE);
      break;
    }
    case Kind::ComboBox: {
      const std::string text = Utf8ToAnsi(static_cast<const ComboBox&>(control_).Text());
      // Rewriting equal text would move the caret under the user's typing.
      if (NativeText(hwnd_) != text) SetWindowTextA(hwnd_, text.c_str());
      break;
    }
    default:
      break;
  }
}

void ControlWindow::ShowOptionTabStops() {
  // As in a dialog on every Windows version: Tab enters an option group at
  // its selected button; a group with none selected keeps them all.
  const auto& siblings = control_.parent().Children();
  bool any = false;
  for (const Control* sibling : siblings) {
    if (sibling->kind() == Kind::Option && static_cast<const OptionButton*>(sibling)->Value()) {
      any = true;
    }
  }
  for (Control* sibling : siblings) {
    // Every control peer of this host is a ControlWindow.
    auto* window = static_cast<ControlWindow*>(sibling->peer());
    if (sibling->kind() != Kind::Option || !window || !window->hwnd_) continue;
    const bool stop = !any || static_cast<const OptionButton*>(sibling)->Value();
    const LONG style = GetWindowLongA(window->hwnd_, GWL_STYLE);
    SetWindowLongA(window->hwnd_, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

void ControlWindow::ShowList() {
  if (control_.kind() != Kind::ComboBox) return;
  const auto& combo = static_cast<const ComboBox&>(control_);
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : combo.List()) {
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToAnsi(item).c_str()));
  }
  // Resetting the list empties the edit field.
  ShowValue();
}

void ControlWindow::SetDefaultLook(bool is_default) {
  if (!hwnd_ || control_.kind() != Kind::Button) return;
  SendMessageA(hwnd_, BM_SETSTYLE, (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE,
               TRUE);
}

// ---- window -> model ----

void ControlWindow::OnCommand(int code) {
  if (forgotten_) return;
  switch (control_.kind()) {
    case Kind::Button:
      if (code == BN_CLICKED) static_cast<CommandButton&>(control_).UserClick();
      break;
    case Kind::CheckBox:
      if (code == BN_CLICKED) static_cast<CheckBox&>(control_).UserClick();
      break;
    case Kind::Option:
      if (code == BN_CLICKED) static_cast<OptionButton&>(control_).UserClick();
      break;
    case Kind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(control_);
      if (code == CBN_EDITCHANGE) {
        combo.UserType(AnsiToUtf8(NativeText(hwnd_)));
      } else if (code == CBN_SELCHANGE) {
        const LRESULT index = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
        if (index >= 0) combo.UserPick(static_cast<std::size_t>(index));
      }
      return;  // the edit field keeps what the user typed
    }
    default:
      return;
  }
  // A refused click (disabled, program ended) leaves the model as it
  // was; the native button must say so too.
  if (!forgotten_ && hwnd_) {
    Applying applying(context_);
    ShowValue();
  }
}

int ControlWindow::NativePosition(int value) const {
  const auto& bar = static_cast<const ScrollBar&>(control_);
  return bar.Min() <= bar.Max() ? value : bar.Min() + bar.Max() - value;
}

int ControlWindow::ValueAt(int native) const { return NativePosition(native); }

void ControlWindow::CommitScroll(int value) {
  static_cast<ScrollBar&>(control_).UserScroll(value);
  if (!forgotten_ && hwnd_) {
    Applying applying(context_);
    ShowValue();
  }
}

void ControlWindow::OnScroll(int code, int position) {
  if (forgotten_ || control_.kind() != Kind::ScrollBar) return;
  const auto& bar = static_cast<const ScrollBar&>(control_);
  const int here = NativePosition(bar.Value());
  const int low = std::min(bar.Min(), bar.Max());
  const int high = std::max(bar.Min(), bar.Max());
  // Positions travel as 16 bits; a range below zero comes back signed.
  if (low < 0 && position > 32767) position -= 65536;
  switch (code) {
    case SB_LINEUP:
      CommitScroll(ValueAt(std::max(low, here - bar.SmallChange())));
      break;
    case SB_LINEDOWN:
      CommitScroll(ValueAt(std::min(high, here + bar.SmallChange())));
      break;
    case SB_PAGEUP:
      CommitScroll(ValueAt(std::max(low, here - bar.LargeChange())));
      break;
    case SB_PAGEDOWN:
      CommitScroll(ValueAt(std::min(high, here + bar.LargeChange())));
      break;
    case SB_TOP:
      CommitScroll(ValueAt(low));
      break;
    case SB_BOTTOM:
      CommitScroll(ValueAt(high));
      break;
    case SB_THUMBTRACK:
      // During a drag only the thumb moves; Change waits for the release.
      dragging_ = true;
      track_ = std::clamp(position, low, high);
      SetScrollPos(hwnd_, SB_CTL, track_, TRUE);
      break;
    case SB_THUMBPOSITION:
      dragging_ = false;
      CommitScroll(ValueAt(std::clamp(position, low, high)));
      break;
    case SB_ENDSCROLL:
      if (dragging_) {
        dragging_ = false;
        CommitScroll(ValueAt(track_));
      }
      break;
    default:
      break;
  }
}

HBRUSH ControlWindow::OnCtlColor(UINT message, HDC dc) {
  if (forgotten_) return nullptr;
  if (HasTextColors(control_.kind())) {
    SetTextColor(dc, TextColor());
    SetBkColor(dc, FillColor());
    return context_.gdi.Brush(FillColor());
  }
  if (control_.kind() == Kind::ComboBox && control_.BackColor() != kSystemColor &&
      (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX)) {
    SetTextColor(dc, control_.ForeColor() == kSystemColor ? GetSysColor(COLOR_WINDOWTEXT)
                                                          : control_.ForeColor());
    SetBkColor(dc, control_.BackColor());
    return context_.gdi.Brush(control_.BackColor());
  }
  return nullptr;
}

}  // namespace forms::win32
