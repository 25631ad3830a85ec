#include "forms/win32/form_window.h"

#include "forms/win32/names.h"
#include "forms/win32/peers/factory.h"
#include "forms/win32/peers/image.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Control IDs start above IDOK and IDCANCEL, which Enter and Esc send.
constexpr int kFirstId = 100;

int FrameDepth(const Control& control) {
  int depth = 0;
  for (const Frame* frame = control.frame(); frame; frame = frame->frame()) ++depth;
  return depth;
}

}  // namespace

void RegisterClasses(HINSTANCE instance, const char* form_class, const char* image_class) {
  WNDCLASSA form = {};
  form.style = CS_DBLCLKS;
  form.lpfnWndProc = &FormWindow::WindowProc;
  form.hInstance = instance;
  form.hCursor = LoadCursor(nullptr, IDC_ARROW);
  form.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
  if (!form.hIcon) form.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  form.lpszClassName = form_class;
  RegisterClassA(&form);  // fails harmlessly when already registered
  RegisterImageClass(instance, image_class);
}

FormWindow::FormWindow(Context& context, Form& form) : context_(context), form_(form) {
  if (!form.Placed()) {
    // An unplaced form starts centred on the screen.
    RECT outer = OuterRect();
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    form.set_position(context.screen.ToTwipsX((GetSystemMetrics(SM_CXSCREEN) - width) / 2),
                      context.screen.ToTwipsY((GetSystemMetrics(SM_CYSCREEN) - height) / 2));
  }
  const RECT outer = OuterRect();
  hwnd_ = CreateWindowExA(0, context_.form_class.c_str(), Utf8ToAnsi(form.Caption()).c_str(),
                          kFormStyle, outer.left, outer.top, outer.right - outer.left,
                          outer.bottom - outer.top, nullptr, nullptr, context.instance, this);
  if (!hwnd_) return;
  SetName(hwnd_, form.Name());
  form.set_peer(this);
  CreateControls();
}

FormWindow::~FormWindow() {
  if (!forgotten_ && form_.peer() == this) form_.set_peer(nullptr);
  controls_.clear();
  forgotten_ = true;
  if (hwnd_) DestroyWindow(hwnd_);
}

void FormWindow::Forget() {
  forgotten_ = true;
  for (auto& control : controls_) control->Forget();
}

void FormWindow::CreateControls() {
  const std::vector<Control*> all = form_.AllControls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    auto window = MakeControlWindow(context_, *all[i], hwnd_, kFirstId + static_cast<int>(i));
    if (window) controls_.push_back(std::move(window));
  }
  // Frames go below everything, inner frames above outer ones, so that
  // they never paint over what they hold. Tab order is unchanged: frames
  // are no tab stops.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    if ((*it)->LiesBehind()) {
      SetWindowPos((*it)->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  default_ = Find(form_.DefaultButton());
  if (default_) default_->SetDefaultLook(true);
}

FormWindow* FormWindow::From(HWND hwnd) {
  if (!hwnd) return nullptr;
  // Ours when it runs our window procedure (forms are not subclassed).
  const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  if (proc != &FormWindow::WindowProc) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

ControlWindow* FormWindow::Find(HWND hwnd) {
  ControlWindow* control = ControlWindow::From(hwnd);
  for (auto& mine : controls_) {
    if (mine.get() == control) return control;
  }
  return nullptr;
}

ControlWindow* FormWindow::Find(const Control* control) {
  if (!control) return nullptr;
  for (auto& mine : controls_) {
    if (&mine->control() == control) return mine.get();
  }
  return nullptr;
}

RECT FormWindow::OuterRect() const {
  const Screen& screen = context_.screen;
  RECT rect = {0, 0, screen.ToPixelsX(form_.ClientWidth()), screen.ToPixelsY(form_.ClientHeight())};
  AdjustWindowRect(&rect, kFormStyle, FALSE);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  rect.left = screen.ToPixelsX(form_.Left());
  rect.top = screen.ToPixelsY(form_.Top());
  rect.right = rect.left + width;
  rect.bottom = rect.top + height;
  return rect;
}

// ---- model -> window ----

void FormWindow::Update(Prop what) {
  if (!hwnd_ || forgotten_) return;
  Applying applying(context_);
  switch (what) {
    case Prop::Caption:
      SetWindowTextA(hwnd_, Utf8ToAnsi(form_.Caption()).c_str());
      break;
    case Prop::Bounds:
      ShowBounds();
      break;
    case Prop::BackColor:
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    default:
      break;
  }
}

void FormWindow::ShowBounds() {
  const RECT outer = OuterRect();
  SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void FormWindow::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::Focus(Control& control) {
  ControlWindow* target = Find(&control);
  if (!target) return;
  focus_ = target->hwnd();
  if (GetActiveWindow() == hwnd_) SetFocus(focus_);
}

// ---- window -> model ----

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    ReleaseName(hwnd);
    if (self) self->hwnd_ = nullptr;
  }
  if (!self || !self->hwnd_) return DefWindowProcA(hwnd, message, wparam, lparam);
  return self->OnMessage(message, wparam, lparam);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScroll(wparam, lparam);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return OnCtlColor(message, wparam, lparam);
    case WM_ERASEBKGND:
      OnEraseBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_MOVE:
      OnMove();
      return 0;
    case WM_CLOSE:
      // The close box unloads the form and ends the program.
      if (!forgotten_) form_.UserClose();
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_QUERYNEWPALETTE:
      return OnQueryNewPalette() ? TRUE : FALSE;
    case WM_PALETTECHANGED:
      OnPaletteChanged(reinterpret_cast<HWND>(wparam));
      return 0;
    case DM_GETDEFID: {
      ControlWindow* button = forgotten_ ? nullptr : EnterButton();
      return button ? MAKELRESULT(button->id(), DC_HASDEFID) : 0;
    }
    case kControlFocused:
      OnControlFocused(reinterpret_cast<ControlWindow*>(lparam));
      return 0;
    default:
      return DefWindowProcA(hwnd_, message, wparam, lparam);
  }
}

void FormWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
  if (forgotten_ || context_.applying > 0) return;  // an echo of our own update
  if (lparam == 0) {
    // Enter and Esc from the dialog keys.
    if (LOWORD(wparam) == IDOK) PressDefault();
    if (LOWORD(wparam) == IDCANCEL) PressCancel();
    return;
  }
  if (ControlWindow* control = Find(reinterpret_cast<HWND>(lparam))) {
    control->Command(HIWORD(wparam));
  }
}

void FormWindow::PressDefault() {
  if (CommandButton* button = form_.DefaultButton()) button->UserClick();
}

void FormWindow::PressCancel() {
  if (CommandButton* button = form_.CancelButton()) button->UserClick();
}

void FormWindow::OnScroll(WPARAM wparam, LPARAM lparam) {
  if (forgotten_ || context_.applying > 0 || lparam == 0) return;
  if (ControlWindow* control = Find(reinterpret_cast<HWND>(lparam))) {
    control->Scroll(LOWORD(wparam), HIWORD(wparam));
  }
}

LRESULT FormWindow::OnCtlColor(UINT message, WPARAM wparam, LPARAM lparam) {
  ControlWindow* control = forgotten_ ? nullptr : Find(reinterpret_cast<HWND>(lparam));
  HBRUSH brush = control ? control->CtlColor(message, reinterpret_cast<HDC>(wparam)) : nullptr;
  if (brush) return reinterpret_cast<LRESULT>(brush);
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

void FormWindow::OnEraseBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  const Color back = forgotten_ ? kSystemColor : form_.BackColor();
  FillRect(dc, &client,
           back == kSystemColor ? GetSysColorBrush(COLOR_BTNFACE) : context_.gdi.Brush(back));
}

void FormWindow::OnMouseMove(int x, int y) {
  if (forgotten_) return;
  // Frames let the mouse through to the form: the innermost frame under
  // the pointer is what the mouse is over.
  ControlWindow* over = nullptr;
  int over_depth = -1;
  for (auto& control : controls_) {
    if (!control->HitTest(x, y)) continue;
    const int depth = FrameDepth(control->control());
    if (depth > over_depth) {
      over = control.get();
      over_depth = depth;
    }
  }
  if (over) {
    over->control().UserMouseMove();
  } else {
    form_.UserMouseMove();
  }
}

void FormWindow::OnMove() {
  if (forgotten_ || IsIconic(hwnd_)) return;
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  const Screen& screen = context_.screen;
  // Only a real move is written back, so the model keeps its own twips
  // when the window stands where the model put it.
  if (rect.left != screen.ToPixelsX(form_.Left()) || rect.top != screen.ToPixelsY(form_.Top())) {
    form_.set_position(screen.ToTwipsX(rect.left), screen.ToTwipsY(rect.top));
  }
}

void FormWindow::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) focus_ = focus;
    return;
  }
  if (focus_ && IsWindow(focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_)) {
    SetFocus(focus_);
    return;
  }
  // First activation: the first tab stop, as a dialog does.
  ControlWindow* first = TabStopFrom(0);
  SetFocus(first ? first->hwnd() : hwnd_);
}

bool FormWindow::OnQueryNewPalette() {
  // Coming to the front: the pictures' palette takes the system palette.
  const Palette::Realized realized = context_.pictures.palette().RealizeIn(hwnd_, false);
  if (realized == Palette::Realized::kChanged) RedrawPictures();
  return realized != Palette::Realized::kNone;
}

void FormWindow::OnPaletteChanged(HWND changer) {
  // Our own realizing (the form's or an image's) needs no answer.
  if (changer == hwnd_ || IsChild(hwnd_, changer)) return;
  // Another window took the system palette: ours again in what it left.
  if (context_.pictures.palette().RealizeIn(hwnd_, true) != Palette::Realized::kNone) {
    RedrawPictures();
  }
}

void FormWindow::RedrawPictures() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

ControlWindow* FormWindow::EnterButton() {
  ControlWindow* focus = Find(GetFocus());
  if (focus && focus->PressedByEnter()) return focus;
  return Find(form_.DefaultButton());
}

void FormWindow::OnControlFocused(ControlWindow* control) {
  if (forgotten_ || !control) return;
  focus_ = control->hwnd();
  // A focused push button is the one Enter presses and looks it.
  ControlWindow* look = control->PressedByEnter() ? control : Find(form_.DefaultButton());
  if (look == default_) return;
  if (default_) default_->SetDefaultLook(false);
  default_ = look;
  if (default_) default_->SetDefaultLook(true);
}

}  // namespace forms::win32
