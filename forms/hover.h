// Hover highlighting: the mouse over a control lights its group's frame
// caption and rests the window's other group frames, in the two colours
// the table is made with. A window declares its table once:
//
//   hover_.Group(framVsync, {&framVsync, &chkvd3d, &chkvg});
//   hover_.Rest({this, &imgvoodoo3});
//   hover_.Follow(Label1, framclk);
//
// Widgets absent from the table change nothing. The last colours stay when
// the mouse leaves the window.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "forms/forms.h"

namespace forms {

class Hover {
 public:
  struct Colors {
    Color resting;
    Color lit;
  };

  explicit Hover(Colors colors) : colors_(colors) {}
  Hover(const Hover&) = delete;
  Hover& operator=(const Hover&) = delete;

  // The mouse over any of `members` lights `frame` and rests the other
  // frames of the table.
  void Group(Control& frame, std::initializer_list<Widget*> members);
  // The mouse over any of `members` rests every frame.
  void Rest(std::initializer_list<Widget*> members);
  // `follower` takes `frame`'s colour whenever the table sets it.
  void Follow(Control& follower, Control& frame);

  // Lights `frame` (null: none) and rests the others.
  void Light(Control* frame);

 private:
  Colors colors_;
  std::vector<Control*> frames_;
  std::vector<std::pair<Control*, Control*>> followers_;
};

}  // namespace forms
