// The gamma window (frmgamma): red, green and blue gamma for the Windows
// desktop, Glide/OpenGL and Direct3D, each channel a slider at gamma x 100,
// each group with a "Lock Gamma" box that keeps its three sliders together.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
#include "look/settings_window.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace gamma_settings {

// Slider positions are gamma x 100.
constexpr int kMinPosition = 10;
constexpr int kMaxPosition = 400;
constexpr int kSmallStep = 1;
constexpr int kLargeStep = 5;
// Where every slider stands before a stored value is shown ("0.3").
constexpr int kInitialPosition = 30;
// What a slider shows when its stored value is missing or unusable: the
// group's factory gamma, never the dark initial position.
constexpr int kDesktopFactory = 100;
constexpr int kDriverFactory = 130;

// The position of a stored gamma text, or nothing when it is not a number
// or lies outside kMinPosition..kMaxPosition.
std::optional<int> UsablePosition(const std::string& text);

// Three channel sliders, red, green and blue, and the labels that show
// their gammas: a group of this window, and the games window's own gamma.
using Sliders = std::array<forms::ScrollBar*, 3>;
using GammaLabels = std::array<forms::Label*, 3>;

// Each slider given the gamma range and set to `position`, its label
// saying so.
void PlaceSliders(const Sliders& sliders, const GammaLabels& labels, int position);
// What a move of a slider does, the user's or the window's: its label
// shows the gamma and, when `linked`, the other two take its position
// (red sets green then blue, green sets red then blue, blue sets green
// then red). Setting a slider to the position it has raises nothing,
// which ends a linked chain.
void FollowSlider(const Sliders& sliders, const GammaLabels& labels, int channel, bool linked);
// Green and blue take red's position, as a click on a lock box makes them.
void AlignWithRed(const Sliders& sliders);
// Whether the three stand at one position: when a lock box shows set.
bool StandTogether(const Sliders& sliders);

class GammaWindow : public look::SettingsWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) GammaWindow(forms::Program& program, registry::Registry& reg);

  // One frame of three channel sliders and a lock box, its controls in
  // tab order: per channel the letter, the value label and the slider,
  // the note after the red channel, the lock box last. Its values are
  // read from one key and written by OK to each of `written_to` in turn
  // (the desktop values go to two keys, and only the first is ever read).
  struct Group {
    using KeyOf = std::string (registry::Adapter::*)() const;
    // Takes the group's controls, the next twelve of the window's design.
    Group(GammaWindow& window, KeyOf read_from, std::vector<KeyOf> written_to, int factory);

    forms::Frame& frame;
    forms::Label &red_letter, &red_value;
    forms::ScrollBar& red;
    forms::Label& note;
    forms::Label &green_letter, &green_value;
    forms::ScrollBar& green;
    forms::Label &blue_letter, &blue_value;
    forms::ScrollBar& blue;
    forms::CheckBox& lock;

    // By channel, red, green, blue.
    std::array<forms::Label*, 3> values{&red_value, &green_value, &blue_value};
    std::array<forms::ScrollBar*, 3> sliders{&red, &green, &blue};

    KeyOf read_from;
    std::vector<KeyOf> written_to;
    int factory;
  };

  // Controls in tab order after the top row, as gamma/design.h makes
  // them: the three frames.
  Group desktop;
  Group glide;
  Group direct3d;

 protected:
  void OnLoad() override;

 private:
  enum Channel { kRed, kGreen, kBlue };

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnSliderChange(Group& group, Channel channel);
  void OnLinkClick(Group& group);
  void OnOkClick();
  void OnCancelClick();

  // Shows every stored value, at Load and at Cancel; a slider with no
  // usable value shows its group's factory gamma.
  void ShowStored();
  void ShowStoredGroup(Group& group);
  void WriteGroup(const Group& group, const std::string& path);

  registry::Registry& reg_;
  std::optional<registry::Adapter> adapter_;
  std::array<Group*, 3> groups_{&desktop, &glide, &direct3d};
  // Set while stored values are shown: the lock boxes neither carry a move
  // to the other sliders nor make the group equal.
  bool showing_stored_ = false;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace gamma_settings
