// The controls of the forms toolkit's model (forms/forms.h): colours and
// fonts, what a peer is told, Widget and Container, which forms build on
// too, and Control with its kinds.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "forms/handler.h"

namespace forms {

// Colours as 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color kBlack = 0x00000000;
constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kLightGrey = 0x00C0C0C0;
constexpr Color kLightYellow = 0x00C0FFFF;
constexpr Color kRed = 0x000000FF;
// The platform's own colour for the control (buttons, edit fields).
constexpr Color kSystemColor = 0xFFFFFFFF;

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
};

// What a peer is told when the model changes under it.
enum class Prop {
  Caption,
  Bounds,
  ForeColor,
  BackColor,
  Font,
  Visible,
  Enabled,
  Value,
  List,
  Picture
};

// The platform side of a form or control.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Update(Prop what) = 0;
};

class Form;
class Frame;
class Control;

// Something the mouse can be over: a form or one of its controls.
class Widget {
 public:
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;
  virtual ~Widget() = default;

  // The design name; control array elements are named like "Combo(3)".
  const std::string& Name() const { return name_; }
  virtual Form& form() = 0;

  Handler MouseMove;
  // The user moved the mouse over this widget.
  void UserMouseMove();

  Peer* peer() const { return peer_; }
  void set_peer(Peer* peer) { peer_ = peer; }

 protected:
  explicit Widget(std::string name) : name_(std::move(name)) {}
  void Notify(Prop what) {
    if (peer_) peer_->Update(what);
  }
  // Sets a property and tells the peer, unless it holds the value already.
  template <typename T>
  void Change(T& property, const T& value, Prop what) {
    if (property == value) return;
    property = value;
    Notify(what);
  }
  // Runs an event handler unless the program has ended.
  void Raise(const Handler& handler);

 private:
  std::string name_;
  Peer* peer_ = nullptr;
};

// A form or a frame: holds controls, in creation order (the tab order).
class Container {
 public:
  const std::vector<Control*>& Children() const { return children_; }
  virtual Form& OwnerForm() = 0;
  // This container as a frame, or null for a form.
  virtual Frame* AsFrame() { return nullptr; }

 protected:
  Container() = default;
  virtual ~Container() = default;

 private:
  friend class Control;
  std::vector<Control*> children_;
};

enum class Kind : std::uint8_t {
  Label,
  Frame,
  Button,
  CheckBox,
  Option,
  ScrollBar,
  ComboBox,
  Image
};

class Control : public Widget {
 public:
  Kind kind() const { return kind_; }
  Form& form() override { return form_; }
  Container& parent() { return parent_; }
  // The frame the control sits in, or null when it sits on the form.
  Frame* frame() const { return frame_; }
  // Index within a control array, or -1.
  int Index() const { return index_; }

  // Position and size in twips, relative to the container.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width, int height);
  void SetLeft(int left) { Move(left, top_, width_, height_); }
  void SetTop(int top) { Move(left_, top, width_, height_); }
  void SetWidth(int width) { Move(left_, top_, width, height_); }
  void SetHeight(int height) { Move(left_, top_, width_, height); }
  // Position within the form's client area.
  int FormLeft() const;
  int FormTop() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  Color ForeColor() const { return fore_; }
  Color BackColor() const { return back_; }
  void SetForeColor(Color color);
  void SetBackColor(Color color);

  const forms::Font& Font() const { return font_; }
  void SetFont(const forms::Font& font);
  void SetFontName(const std::string& name);
  void SetFontSize(double size);
  void SetFontBold(bool bold);

  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);

  // Whether Tab stops here.
  virtual bool TabStop() const { return false; }

 protected:
  Control(Container& parent, Kind kind, const char* name, int index);

 private:
  Kind kind_;
  Form& form_;
  Container& parent_;
  Frame* frame_;
  int index_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string caption_;
  Color fore_ = kSystemColor, back_ = kSystemColor;
  forms::Font font_;
  bool visible_ = true, enabled_ = true;
};

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

}  // namespace forms
