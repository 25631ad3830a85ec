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

#include "forms/control.h"
#include "forms/files.h"
#include "forms/host.h"

namespace forms {

class Label : public Control {
 public:
  Label(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::Label, name, index) {}

  // Whether "&" in the caption marks a mnemonic (the default) or is shown
  // as itself, as a label that shows stored text must. Set before the
  // form is first shown.
  bool UseMnemonic() const { return use_mnemonic_; }
  void SetUseMnemonic(bool use) { use_mnemonic_ = use; }

 private:
  bool use_mnemonic_ = true;
};

class Frame : public Control, public Container {
 public:
  Frame(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::Frame, name, index) {}
  Form& OwnerForm() override { return form(); }
  Frame* AsFrame() override { return this; }
};

class CommandButton : public Control {
 public:
  CommandButton(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::Button, name, index) {}
  bool TabStop() const override { return true; }

  Handler Click;
  void UserClick();
};

// 0 clear, 1 set, 2 grey.
class CheckBox : public Control {
 public:
  CheckBox(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::CheckBox, name, index) {}
  bool TabStop() const override { return true; }

  int Value() const { return value_; }
  // Raises Click when the state changes; refuses states outside 0..2.
  bool SetValue(int value);

  Handler Click;
  // A click sets a clear or grey box and clears a set one.
  void UserClick();
  // The user's key that sets ('+') or clears ('-') the box.
  void UserSet(bool set);

 private:
  int value_ = 0;
};

// Exclusive within its container: selecting one clears the others there.
class OptionButton : public Control {
 public:
  OptionButton(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::Option, name, index) {}
  bool TabStop() const override { return true; }

  bool Value() const { return value_; }
  // Selecting raises Click (when it was not selected) and clears the
  // other options of the container; clearing raises nothing.
  void SetValue(bool value);

  Handler Click;
  void UserClick() { SetValueFromUser(); }

 private:
  void SetValueFromUser();
  bool value_ = false;
};

enum class Orientation { Horizontal, Vertical };

class ScrollBar : public Control {
 public:
  ScrollBar(Container& parent, const char* name, Orientation orientation, int index = -1)
      : Control(parent, Kind::ScrollBar, name, index), orientation_(orientation) {}
  bool TabStop() const override { return true; }

  Orientation orientation() const { return orientation_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int SmallChange() const { return small_; }
  int LargeChange() const { return large_; }
  // Sets range and steps; the value is clamped into the range silently.
  void SetRange(int min, int max, int small_change, int large_change);

  int Value() const { return value_; }
  // Raises Change when the value changes; refuses values outside the range.
  bool SetValue(int value);

  // Raised when a move ends (arrow, track click, release of the thumb),
  // and when code changes the value; not during a drag.
  Handler Change;
  // The user ended a move at `value` (clamped into the range).
  void UserScroll(int value);

 private:
  Orientation orientation_;
  int min_ = 0, max_ = 32767, small_ = 1, large_ = 1;
  int value_ = 0;
};

// An editable combo box: a text and a list of choices.
class ComboBox : public Control {
 public:
  ComboBox(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::ComboBox, name, index) {}
  bool TabStop() const override { return true; }

  const std::string& Text() const { return text_; }
  // Raises Change when the text changes.
  void SetText(const std::string& text);

  const std::vector<std::string>& List() const { return list_; }
  void AddItem(const std::string& item);
  void Clear();

  Handler Change;
  void UserType(const std::string& text);
  // The user picked list entry `index`.
  void UserPick(std::size_t index);

 private:
  std::string text_;
  std::vector<std::string> list_;
};

// Shows a picture file. A failed load leaves it as it was.
class Image : public Control {
 public:
  Image(Container& parent, const char* name, int index = -1)
      : Control(parent, Kind::Image, name, index) {}

  // The file now shown, or "".
  const std::string& Picture() const { return picture_; }
  // Asks the host to load the file; false when it could not.
  bool LoadPicture(const std::string& path);
  // For hosts: what they loaded.
  void set_picture(const std::string& path);

 private:
  std::string picture_;
};

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
