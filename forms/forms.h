// The forms toolkit: a small retained model of forms and their controls,
// with properties and events, in the terms the windows were designed in.
// Window code sets properties and reacts to events; a Host turns the model
// into real windows (forms/win32) or records it for tests (headless).
//
// Rules every window relies on:
// - Setting a value from code raises the control's Change or Click at
//   once, before the next statement, and only when the value changes.
// - A refused value (outside a scroll bar's range, a check box state other
//   than 0..2) changes nothing and reports false; callers skip the step.
// - A form's Load runs once, on its first Show; Hide keeps every state.
// - The close box unloads the form and ends the program; once the program
//   has ended no handler runs.
#pragma once

#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/files.h"
#include "forms/host.h"

namespace forms {

class Program;

class Form : public Widget, public Container {
 public:
  Form(Program& program, const std::string& name);
  ~Form() override;

  Form& form() override { return *this; }
  Form& OwnerForm() override { return *this; }
  Program& program() { return program_; }
  Host& host();
  Files& files();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // Outer position of the window on the screen, in twips.
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetPosition(int left, int top);
  // Whether anyone placed the form yet; an unplaced form is centred on
  // the screen by the host when first shown.
  bool Placed() const { return placed_; }
  // For hosts: the user moved the window.
  void set_position(int left, int top);

  // Size of the client area, in twips.
  int ClientWidth() const { return client_width_; }
  int ClientHeight() const { return client_height_; }
  void SetClientSize(int width, int height);

  Color BackColor() const { return back_; }
  void SetBackColor(Color color);

  // The buttons that Enter and Esc press.
  CommandButton* DefaultButton() const { return default_button_; }
  CommandButton* CancelButton() const { return cancel_button_; }
  void SetDefaultButton(CommandButton* button) { default_button_ = button; }
  void SetCancelButton(CommandButton* button) { cancel_button_ = button; }

  bool Visible() const { return visible_; }
  bool Loaded() const { return loaded_; }
  // Loads the form the first time, then shows it (unless Load hid it or
  // ended the program).
  void Show();
  void Hide();

  // The user pressed the close box: Unload, then the program ends.
  void UserClose();

  // Every control, depth first in creation order: the tab order.
  std::vector<Control*> AllControls() const;
  // The control with this design name ("Combo(3)"), or null.
  Control* Find(const std::string& name) const;

  // The form that opened this one (the hand-off returns there).
  Form* Opener() const { return opener_; }
  void set_opener(Form* form) { opener_ = form; }

 protected:
  virtual void OnLoad() {}
  virtual void OnUnload() {}

 private:
  Program& program_;
  std::string caption_;
  int left_ = 0, top_ = 0;
  bool placed_ = false;
  int client_width_ = 4800, client_height_ = 3600;
  Color back_ = kSystemColor;
  CommandButton* default_button_ = nullptr;
  CommandButton* cancel_button_ = nullptr;
  bool visible_ = false;
  bool loaded_ = false;
  Form* opener_ = nullptr;
};

// One running program: its host, its forms, and whether it has ended.
class Program {
 public:
  Program(Host& host, Files& files) : host_(host), files_(files) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Host& host() { return host_; }
  Files& files() { return files_; }
  // Ends the program at once: the host ends the process, and no handler
  // runs afterwards.
  void End();
  bool Ended() const { return ended_; }
  // Runs an event handler unless the program has ended.
  void Raise(const Handler& handler) {
    if (!ended_ && handler) handler();
  }

  const std::vector<Form*>& Forms() const { return forms_; }
  std::vector<Form*> VisibleForms() const;

 private:
  friend class Form;
  Host& host_;
  Files& files_;
  bool ended_ = false;
  std::vector<Form*> forms_;
};

}  // namespace forms
