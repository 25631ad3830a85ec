// What every control peer of the host shares: one child window of a
// standard class (or the image class), made in one CreateWindowExA with
// its text, place and state; its design name; a subclass that reports
// mouse moves and focus; its font, its "ForeColor" and the guard against
// echoes. Each kind of control is one small class in forms/win32/peers/
// that says which window it is and answers its own notifications;
// peers/factory.h makes the right one for a control.
#pragma once

#include <windows.h>

#include "forms/forms.h"
#include "forms/win32/context.h"

namespace forms::win32 {

// Sent by a control window to its form when it gains the focus
// (lParam: the ControlWindow).
constexpr UINT kControlFocused = WM_APP + 1;

class OptionWindow;

class ControlWindow : public Peer {
 public:
  ~ControlWindow() override;
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  // Makes the window as a child of `form` with control ID `id`; the model
  // hears of the peer only when the window exists.
  void Create(HWND form, int id);

  // The model changed: show it.
  void Update(Prop what) override;

  HWND hwnd() const { return hwnd_; }
  Control& control() { return control_; }
  int id() const { return id_; }
  // Whether the control and every frame around it are visible / enabled.
  bool Shown() const;
  bool Usable() const;

  // Notifications from the form's window procedure, handed to the kind
  // unless the model is gone or the window is taking the focus.
  void Command(int code);
  void Scroll(int request, int position);
  // The brush and text colours for WM_CTLCOLOR*; null for the platform's.
  HBRUSH CtlColor(UINT message, HDC dc);

  // Whether the window shows the model's Caption (and so may own a
  // mnemonic).
  virtual bool HasCaption() const { return true; }
  // Whether the form sees a mouse move at (x, y), in its client pixels,
  // as being over this control. Only frames let the mouse through to the
  // form; every other control has its own mouse moves.
  virtual bool HitTest(int /*x*/, int /*y*/) const { return false; }
  // Whether the window lies below its siblings in the z-order, so that it
  // never paints over what sits on it (a frame).
  virtual bool LiesBehind() const { return false; }
  // Whether a mnemonic here moves the focus on to the next tab stop
  // instead of pressing the control (a label, a frame).
  virtual bool PassesMnemonicOn() const { return false; }
  // Whether Enter presses this control while it has the focus (a push
  // button), and its look as the button Enter presses.
  virtual bool PressedByEnter() const { return false; }
  virtual void SetDefaultLook(bool /*is_default*/) {}
  // This peer as an option button, or null.
  virtual OptionWindow* AsOption() { return nullptr; }

  // The model is going away: never touch it again.
  void Forget() { forgotten_ = true; }

  // The control window that `hwnd` belongs to (a combo box's edit field
  // and list belong to the combo box), or null.
  static ControlWindow* From(HWND hwnd);

 protected:
  ControlWindow(Context& context, Control& control) : context_(context), control_(control) {}

  // The window to make: its class and the kind's own style bits. The
  // common bits (child, group, tab stop, visible, disabled) come on top.
  virtual const char* ClassName() const = 0;
  virtual DWORD Style() const = 0;
  // Whether the window starts an arrow-key group: every control does but
  // an option that follows another option.
  virtual bool StartsGroup() const { return true; }
  // Whether Label, Frame and the like: text in ForeColor on BackColor.
  virtual bool HasTextColors() const { return false; }
  // The window exists and is subclassed; the model does not know it yet.
  virtual void OnCreated() {}
  // Where the window goes, in the form's client pixels.
  virtual RECT PixelBounds() const;

  // The kind's part of showing the model.
  virtual void ShowBounds();
  virtual void ShowState();
  virtual void ShowValue() {}
  virtual void ShowList() {}

  // The kind's notifications.
  virtual void OnCommand(int /*code*/) {}
  virtual void OnScroll(int /*request*/, int /*position*/) {}
  virtual HBRUSH OnCtlColor(UINT message, HDC dc);
  // A message to the window that the kind answers itself: true when it
  // did (with `*result`), and the native procedure must not see it.
  virtual bool OnOwnMessage(UINT /*message*/, WPARAM /*wparam*/, LRESULT* /*result*/) {
    return false;
  }
  // The dialog manager's arrow key moved the focus here.
  virtual void OnArrowKeyFocus() {}

  // A window inside the control (a combo box's edit field) reports mouse
  // moves and focus as the control, and repaints with it.
  void SubclassChild(HWND child);
  // After the user's change went to the model: the native control shows
  // what the model kept, since a refused change (disabled, program ended)
  // leaves it as it was.
  void ShowValueAgain();

  Context& context() const { return context_; }
  bool forgotten() const { return forgotten_; }
  COLORREF TextColor() const;
  COLORREF FillColor() const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(WNDPROC original, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnFocus(WNDPROC original, HWND hwnd, WPARAM wparam, LPARAM lparam);
  void Subclass(HWND hwnd, WNDPROC* original);

  void ShowCaption();
  void ShowColors();
  void ShowFont();

  Context& context_;
  Control& control_;
  HWND hwnd_ = nullptr;
  HWND child_ = nullptr;
  WNDPROC original_ = nullptr;
  WNDPROC child_original_ = nullptr;
  int id_ = 0;
  bool forgotten_ = false;
  bool gaining_focus_ = false;
};

}  // namespace forms::win32
