// One form of the model as a top-level window with a fixed border, a
// caption, a close box and a minimize box, like a classic dialog. It owns
// its controls' peers and hands each its notifications and colour
// requests, asks the frames which of them a mouse move was over, and
// answers the dialog keys; it never looks at a control's kind.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "forms/forms.h"
#include "forms/win32/context.h"
#include "forms/win32/control_window.h"

namespace forms::win32 {

class FormWindow : public Peer {
 public:
  FormWindow(Context& context, Form& form);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  void Update(Prop what) override;

  HWND hwnd() const { return hwnd_; }
  Form& form() { return form_; }
  void Show();
  void Hide();
  // Gives a control the focus now, or when the window is next active.
  void Focus(Control& control);
  // Tab, arrows, Enter, Esc and mnemonics; true when the message was used.
  bool TranslateKey(MSG& message);
  // The model is going away: never touch it again.
  void Forget();

  // The form window `hwnd` is, or null.
  static FormWindow* From(HWND hwnd);
  // The window procedure of the form class.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void OnCommand(WPARAM wparam, LPARAM lparam);
  void OnScroll(WPARAM wparam, LPARAM lparam);
  LRESULT OnCtlColor(UINT message, WPARAM wparam, LPARAM lparam);
  void OnEraseBackground(HDC dc);
  void OnMouseMove(int x, int y);
  void OnMove();
  void OnActivate(bool active);
  void OnControlFocused(ControlWindow* control);
  // The pictures' palette (palette.h): realized when the window comes to
  // the front, and in the background when `changer` changed the system
  // palette; true when there is one.
  bool OnQueryNewPalette();
  void OnPaletteChanged(HWND changer);
  void RedrawPictures();

  void CreateControls();
  void ShowBounds();
  RECT OuterRect() const;
  ControlWindow* Find(HWND hwnd);
  ControlWindow* Find(const Control* control);
  // The first tab stop at or after `index` that the user can reach.
  ControlWindow* TabStopFrom(std::size_t index);
  bool OnMnemonic(char letter);
  void PressDefault();
  void PressCancel();
  // The button Enter presses now: a focused push button, else the form's
  // default button.
  ControlWindow* EnterButton();

  Context& context_;
  Form& form_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<ControlWindow>> controls_;
  HWND focus_ = nullptr;              // restored when the window is activated
  ControlWindow* default_ = nullptr;  // the button that now looks default
  bool forgotten_ = false;
};

// Registers the form and image window classes (once per process).
void RegisterClasses(HINSTANCE instance, const char* form_class, const char* image_class);

}  // namespace forms::win32
