#include "forms/hover.h"

#include <algorithm>

namespace forms {

void Hover::Group(Control& frame, std::initializer_list<Widget*> members) {
  if (std::find(frames_.begin(), frames_.end(), &frame) == frames_.end()) {
    frames_.push_back(&frame);
  }
  for (Widget* member : members) {
    member->MouseMove = [this, &frame] { Light(&frame); };
  }
}

void Hover::Rest(std::initializer_list<Widget*> members) {
  for (Widget* member : members) {
    member->MouseMove = [this] { Light(nullptr); };
  }
}

void Hover::Follow(Control& follower, Control& frame) {
  followers_.emplace_back(&follower, &frame);
}

void Hover::Light(Control* lit) {
  for (Control* frame : frames_) {
    frame->SetForeColor(frame == lit ? colors_.lit : colors_.resting);
  }
  for (auto& [follower, frame] : followers_) {
    follower->SetForeColor(frame->ForeColor());
  }
}

}  // namespace forms
