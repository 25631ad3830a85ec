// One control of the model as a real child window of a standard class
// (BUTTON, STATIC, SCROLLBAR, COMBOBOX; images use a small class of their
// own). The peer writes the model's state into the window; the form's
// window procedure hands the control's notifications back here, and a
// subclass procedure reports mouse moves and focus.
#pragma once

#include <windows.h>

#include "forms/forms.h"
#include "forms/win32/context.h"

namespace forms::win32 {

// Sent by a control window to its form when it gains the focus
// (lParam: the ControlWindow).
constexpr UINT kControlFocused = WM_APP + 1;

class ControlWindow : public Peer {
 public:
  ControlWindow(Context& context, Control& control, HWND form, int id, DWORD group_style);
  ~ControlWindow() override;
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  // The model changed: show it.
  void Update(Prop what) override;

  HWND hwnd() const { return hwnd_; }
  Control& control() { return control_; }
  int id() const { return id_; }
  // Whether the control and every frame around it are visible / enabled.
  bool Shown() const;
  bool Usable() const;

  // Notifications from the form's window procedure.
  void OnCommand(int code);
  void OnScroll(int code, int position);
  // The brush and text colours for WM_CTLCOLOR*; null for the platform's.
  HBRUSH OnCtlColor(UINT message, HDC dc);

  // Makes a push button the one Enter presses, or not.
  void SetDefaultLook(bool is_default);
  // The model is going away: never touch it again.
  void Forget() { forgotten_ = true; }

  // The control window that `hwnd` belongs to (a combo box's edit field
  // and list belong to the combo box), or null.
  static ControlWindow* From(HWND hwnd);

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(WNDPROC original, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Subclass(HWND hwnd, WNDPROC* original);
  void OnPaintImage();

  bool HasCaption() const;
  RECT PixelBounds() const;
  void ShowCaption();
  void ShowBounds();
  void ShowColors();
  void ShowFont();
  void ShowState();
  void ShowValue();
  void ShowList();
  void ShowOptionTabStops();

  // Scroll bar positions: the native bar runs from the lower to the higher
  // end; a bar whose Min is above its Max runs mirrored.
  int NativePosition(int value) const;
  int ValueAt(int native) const;
  void CommitScroll(int value);

  COLORREF TextColor() const;
  COLORREF FillColor() const;

  Context& context_;
  Control& control_;
  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;  // a combo box's edit field
  WNDPROC original_ = nullptr;
  WNDPROC edit_original_ = nullptr;
  int id_;
  bool forgotten_ = false;
  bool dragging_ = false;
  int track_ = 0;
};

// The window class that shows Image controls.
constexpr const char* kImageClass = "TarnoluxImage";

}  // namespace forms::win32
