// The real host of the forms toolkit: every form a top-level window, every
// control a real child window of a standard class, so that what a test
// robot or a screen reader finds is what the user sees. ANSI API only, and
// nothing newer than Windows 95.
//
//   forms::win32::Win32Host host;
//   forms::win32::Win32Files files;
//   forms::Program program(host, files);
//   MainWindow main(program, reg);
//   main.Show();
//   return host.Run();
//
// For automation every form and control window carries its design name
// in the window property "Name" (a global atom, "Combo(3)" for array
// elements); frames, labels, check boxes and option buttons carry their
// text colour (0x00BBGGRR) in "ForeColor".
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "forms/forms.h"
#include "forms/win32/small_map.h"

namespace forms::win32 {

struct Context;
class FormWindow;
class PaletteGdi;

class Win32Host : public Host {
 public:
  struct Options {
    // The window classes the program's forms and images are made of.
    const char* form_class = "FormsWindow";
    const char* image_class = "FormsImage";
    // The oleaut32 function pictures load with (see pictures.h); tests
    // name a missing one to play the first Windows 95.
    const char* picture_loader = "OleLoadPicturePath";
    // What the pictures' palette asks of GDI (palette.h); tests put a
    // recorder here. Null: GDI itself.
    PaletteGdi* palette_gdi = nullptr;
  };

  Win32Host() : Win32Host(Options()) {}
  explicit Win32Host(const Options& options);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void ShowMessage(const std::string& text, const char* title) override;
  bool LoadPicture(Image& image, const std::string& path) override;
  void SetFocus(Control& control) override;
  // Ends the process at once, or calls `on_end` when a test set it.
  void EndProgram() override;
  void FormDestroyed(Form& form) override;

  // The message loop: runs until the program ends; returns the exit code.
  int Run();
  // Handles every waiting message as Run does, then returns.
  void Pump();
  // Handles one message as Run does (dialog keys for the active form).
  void Dispatch(MSG& message);
  bool Ended() const { return ended_; }

  // The window of a form, or null before its first showing.
  HWND WindowOf(const Form& form) const;

  // Test seam: called instead of ending the process. The forms' windows
  // are hidden and Run returns.
  Handler on_end;

 private:
  FormWindow* WindowFor(Form& form);

  std::unique_ptr<Context> context_;
  SmallMap<const Form*, std::unique_ptr<FormWindow>> windows_;
  SmallMap<const Form*, Control*> pending_focus_;
  bool ole_ = false;
  bool ended_ = false;
};

}  // namespace forms::win32
