#include "look/design.h"

#include <cstdlib>

#include "look/look.h"

namespace look {

namespace {

bool SameName(const char* a, const char* b) {
  while (*a && *a == *b) ++a, ++b;
  return *a == *b;
}

forms::Control* Make(forms::Container& parent, const ControlRow& row) {
  switch (row.kind) {
    case forms::Kind::Label:
      return new forms::Label(parent, row.name, row.index());
    case forms::Kind::Frame:
      return new forms::Frame(parent, row.name, row.index());
    case forms::Kind::Button:
      return new forms::CommandButton(parent, row.name, row.index());
    case forms::Kind::CheckBox:
      return new forms::CheckBox(parent, row.name, row.index());
    case forms::Kind::Option:
      return new forms::OptionButton(parent, row.name, row.index());
    case forms::Kind::ScrollBar:
      return new forms::ScrollBar(
          parent, row.name,
          row.style & kVertical ? forms::Orientation::Vertical : forms::Orientation::Horizontal,
          row.index());
    case forms::Kind::ComboBox:
      return new forms::ComboBox(parent, row.name, row.index());
    case forms::Kind::Image:
      return new forms::Image(parent, row.name, row.index());
  }
  std::abort();
}

// The design's place, text and font.
void Design(forms::Control& control, const ControlRow& row) {
  control.Move(row.left, row.top, row.width, row.height);
  if (row.text.english) control.SetCaption(row.text.english);
  if (row.style & kBold) control.SetFontBold(true);
  if (row.style & kLarge) control.SetFontSize(9.75);
  if (row.style & kDutchOnly) control.SetVisible(false);
  if (row.style & kNoMnemonic) static_cast<forms::Label&>(control).SetUseMnemonic(false);
}

}  // namespace

DesignedWindow::DesignedWindow(forms::Program& program, const WindowDesign& design)
    : forms::Form(program, design.name), design_(design) {
  SetCaption(design.caption.english);
  SetClientSize(design.width, design.height);
  controls_.reserve(design.controls.count);
  for (const ControlRow& row : design.controls) {
    forms::Container* parent = this;
    if (row.frame) parent = static_cast<forms::Frame*>(controls_[row.frame - 1]);
    forms::Control* control = Make(*parent, row);
    controls_.push_back(control);
    Design(*control, row);
  }
}

DesignedWindow::~DesignedWindow() {
  for (std::size_t i = controls_.size(); i > 0; --i) delete controls_[i - 1];
}

forms::Control& DesignedWindow::NextOf(forms::Kind kind) {
  if (next_ >= controls_.size() || controls_[next_]->kind() != kind) std::abort();
  return *controls_[next_++];
}

// The controls that move in Dutch are named without an index.
forms::Control* DesignedWindow::Made(const char* name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (SameName(design_.controls.rows[i].name, name)) return controls_[i];
  }
  std::abort();
}

void DesignedWindow::ApplyDesignDutch() {
  if (design_.caption.dutch) SetCaption(design_.caption.dutch);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlRow& row = design_.controls.rows[i];
    forms::Control& control = *controls_[i];
    if (row.text.dutch) control.SetCaption(row.text.dutch);
    if (row.style & kSmallInDutch) UseSmallFont(control);
    if (row.style & kDutchOnly) control.SetVisible(true);
  }
  for (const DutchPlace& place : design_.dutch_places) {
    Made(place.name)->Move(place.left, place.top, place.width, place.height);
  }
}

void DesignedWindow::ConnectDesignHover(forms::Hover& hover) {
  hover.Rest({this});
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    forms::Control* control = controls_[i];
    switch (design_.controls.rows[i].hover()) {
      case HoverRole::kStill:
        break;
      case HoverRole::kRests:
        hover.Rest({control});
        break;
      case HoverRole::kLights: {
        forms::Control* frame = control;
        while (frame->frame()) frame = frame->frame();
        hover.Group(*frame, {control});
        break;
      }
    }
  }
}

}  // namespace look
