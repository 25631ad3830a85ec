#include "forms/forms.h"

#include <algorithm>

namespace forms {

// ---- Widget ----

void Widget::Raise(const Handler& handler) { form().program().Raise(handler); }

void Widget::UserMouseMove() { Raise(MouseMove); }

// ---- Control ----

namespace {
// "Combo" and 3 -> "Combo(3)"; no C runtime formatter in the programs.
std::string ArrayName(const std::string& name, int index) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + index % 10));
    index /= 10;
  } while (index > 0);
  std::string array_name = name;
  array_name += '(';
  array_name += digits;
  array_name += ')';
  return array_name;
}
}  // namespace

Control::Control(Container& parent, Kind kind, const char* name, int index)
    : Widget(index < 0 ? name : ArrayName(name, index)),
      kind_(kind),
      form_(parent.OwnerForm()),
      parent_(parent),
      frame_(parent.AsFrame()),
      index_(index) {
  parent.children_.push_back(this);
}

void Control::Move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Prop::Bounds);
}

int Control::FormLeft() const { return left_ + (frame_ ? frame_->FormLeft() : 0); }
int Control::FormTop() const { return top_ + (frame_ ? frame_->FormTop() : 0); }

void Control::SetCaption(const std::string& caption) { Change(caption_, caption, Prop::Caption); }

void Control::SetForeColor(Color color) { Change(fore_, color, Prop::ForeColor); }

void Control::SetBackColor(Color color) { Change(back_, color, Prop::BackColor); }

void Control::SetFont(const forms::Font& font) {
  font_ = font;
  Notify(Prop::Font);
}

void Control::SetFontName(const std::string& name) {
  forms::Font font = font_;
  font.name = name;
  SetFont(font);
}

void Control::SetFontSize(double size) {
  forms::Font font = font_;
  font.size = size;
  SetFont(font);
}

void Control::SetFontBold(bool bold) {
  forms::Font font = font_;
  font.bold = bold;
  SetFont(font);
}

void Control::SetVisible(bool visible) { Change(visible_, visible, Prop::Visible); }

void Control::SetEnabled(bool enabled) { Change(enabled_, enabled, Prop::Enabled); }

// ---- Buttons ----

void CommandButton::UserClick() {
  if (Enabled()) Raise(Click);
}

bool CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) return false;
  if (value == value_) return true;
  value_ = value;
  Notify(Prop::Value);
  Raise(Click);
  return true;
}

void CheckBox::UserClick() {
  if (Enabled()) SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::UserSet(bool set) {
  if (Enabled()) SetValue(set ? 1 : 0);
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (value) {
    for (Control* sibling : parent().Children()) {
      if (sibling != this && sibling->kind() == Kind::Option) {
        auto* option = static_cast<OptionButton*>(sibling);
        if (option->value_) {
          option->value_ = false;
          option->Notify(Prop::Value);
        }
      }
    }
  }
  Notify(Prop::Value);
  if (value) Raise(Click);
}

void OptionButton::SetValueFromUser() {
  if (Enabled()) SetValue(true);
}

// ---- ScrollBar ----

void ScrollBar::SetRange(int min, int max, int small_change, int large_change) {
  min_ = min;
  max_ = max;
  small_ = small_change;
  large_ = large_change;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  Notify(Prop::Value);
}

bool ScrollBar::SetValue(int value) {
  if (value < std::min(min_, max_) || value > std::max(min_, max_)) return false;
  if (value == value_) return true;
  value_ = value;
  Notify(Prop::Value);
  Raise(Change);
  return true;
}

void ScrollBar::UserScroll(int value) {
  if (!Enabled()) return;
  SetValue(std::clamp(value, std::min(min_, max_), std::max(min_, max_)));
}

// ---- ComboBox ----

void ComboBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Notify(Prop::Value);
  Raise(Change);
}

void ComboBox::AddItem(const std::string& item) {
  list_.push_back(item);
  Notify(Prop::List);
}

void ComboBox::Clear() {
  list_.clear();
  Notify(Prop::List);
}

void ComboBox::UserType(const std::string& text) {
  if (Enabled()) SetText(text);
}

void ComboBox::UserPick(std::size_t index) {
  if (Enabled() && index < list_.size()) SetText(list_[index]);
}

// ---- Image ----

bool Image::LoadPicture(const std::string& path) { return form().host().LoadPicture(*this, path); }

void Image::set_picture(const std::string& path) {
  picture_ = path;
  Notify(Prop::Picture);
}

// ---- Form ----

Form::Form(Program& program, const std::string& name) : Widget(name), program_(program) {
  program_.forms_.push_back(this);
}

Form::~Form() {
  program_.host().FormDestroyed(*this);
  auto& forms = program_.forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

Host& Form::host() { return program_.host(); }

Files& Form::files() { return program_.files(); }

void Form::SetCaption(const std::string& caption) { Change(caption_, caption, Prop::Caption); }

void Form::SetPosition(int left, int top) {
  placed_ = true;
  if (left == left_ && top == top_) return;
  left_ = left;
  top_ = top;
  Notify(Prop::Bounds);
}

void Form::set_position(int left, int top) {
  placed_ = true;
  left_ = left;
  top_ = top;
}

void Form::SetClientSize(int width, int height) {
  client_width_ = width;
  client_height_ = height;
  Notify(Prop::Bounds);
}

void Form::SetBackColor(Color color) { Change(back_, color, Prop::BackColor); }

void Form::Show() {
  if (program_.Ended()) return;
  visible_ = true;
  if (!loaded_) {
    loaded_ = true;
    OnLoad();
  }
  // Load may have hidden the form or ended the program.
  if (visible_ && !program_.Ended()) host().ShowForm(*this);
}

void Form::Hide() {
  if (program_.Ended()) return;
  visible_ = false;
  host().HideForm(*this);
}

void Form::UserClose() {
  if (program_.Ended()) return;
  OnUnload();
  program_.End();
}

static void Collect(const Container& container, std::vector<Control*>& out) {
  for (Control* control : container.Children()) {
    out.push_back(control);
    if (control->kind() == Kind::Frame) Collect(*static_cast<Frame*>(control), out);
  }
}

std::vector<Control*> Form::AllControls() const {
  std::vector<Control*> all;
  Collect(*this, all);
  return all;
}

Control* Form::Find(const std::string& name) const {
  for (Control* control : AllControls()) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

// ---- Program ----

void Program::End() {
  if (ended_) return;
  ended_ = true;
  host_.EndProgram();
}

std::vector<Form*> Program::VisibleForms() const {
  std::vector<Form*> visible;
  for (Form* form : forms_) {
    if (form->Visible()) visible.push_back(form);
  }
  return visible;
}

// ---- Helpers ----

std::string JoinPath(const std::string& folder, const std::string& file) {
  std::string path = folder;
  if (path.empty() || path.back() != '\\') path += '\\';
  path += file;
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return "";
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, slash);
}

}  // namespace forms
