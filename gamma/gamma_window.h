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

class GammaWindow : public forms::Form {
 public:
  GammaWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order, each created with its design name.
  forms::Image left_emblem{*this, "Image2"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image right_emblem{*this, "Image1"};
  forms::CommandButton OK{*this, "OK"};
  forms::CommandButton cancel{*this, "cancel"};

  forms::Frame desktop{*this, "desktop"};
  forms::Label desktop_red_letter{desktop, "Label3"};
  forms::Label lbldr{desktop, "lbldr"};
  forms::ScrollBar dr{desktop, "dr", forms::Orientation::Horizontal};
  forms::Label lbldgs{desktop, "lbldgs"};
  forms::Label desktop_green_letter{desktop, "Label10"};
  forms::Label lbldg{desktop, "lbldg"};
  forms::ScrollBar dg{desktop, "dg", forms::Orientation::Horizontal};
  forms::Label desktop_blue_letter{desktop, "Label11"};
  forms::Label lbldb{desktop, "lbldb"};
  forms::ScrollBar db{desktop, "db", forms::Orientation::Horizontal};
  forms::CheckBox chkdesk{desktop, "chkdesk"};

  forms::Frame glide{*this, "glide"};
  forms::Label glide_red_letter{glide, "Label4"};
  forms::Label lblgr{glide, "lblgr"};
  forms::ScrollBar gr{glide, "gr", forms::Orientation::Horizontal};
  forms::Label glide_note{glide, "Label1"};
  forms::Label glide_green_letter{glide, "Label8"};
  forms::Label lblgg{glide, "lblgg"};
  forms::ScrollBar gg{glide, "gg", forms::Orientation::Horizontal};
  forms::Label glide_blue_letter{glide, "Label9"};
  forms::Label lblgb{glide, "lblgb"};
  forms::ScrollBar gb{glide, "gb", forms::Orientation::Horizontal};
  forms::CheckBox chkglide{glide, "chkglide"};

  forms::Frame direct3d{*this, "direct3d"};
  forms::Label direct3d_red_letter{direct3d, "Label5"};
  forms::Label lblddr{direct3d, "lblddr"};
  forms::ScrollBar ddr{direct3d, "ddr", forms::Orientation::Horizontal};
  forms::Label direct3d_note{direct3d, "Label2"};
  forms::Label direct3d_green_letter{direct3d, "Label6"};
  forms::Label lblddg{direct3d, "lblddg"};
  forms::ScrollBar ddg{direct3d, "ddg", forms::Orientation::Horizontal};
  forms::Label direct3d_blue_letter{direct3d, "Label7"};
  forms::Label lblddb{direct3d, "lblddb"};
  forms::ScrollBar ddb{direct3d, "ddb", forms::Orientation::Horizontal};
  forms::CheckBox chkd3d{direct3d, "chkd3d"};

 protected:
  void OnLoad() override;

 private:
  enum Channel { kRed, kGreen, kBlue };
  using KeyOf = std::string (registry::Adapter::*)() const;

  // One frame's sliders, value labels and link box, and where its values
  // live: read from one key, written by OK to each of `written_to` in turn
  // (the desktop values go to two keys, and only the first is ever read).
  struct Group {
    forms::Frame* frame;
    std::array<forms::Label*, 3> letters;
    std::array<forms::Label*, 3> values;
    std::array<forms::ScrollBar*, 3> sliders;
    forms::CheckBox* link;
    forms::Label* note;
    KeyOf read_from;
    std::vector<KeyOf> written_to;
    int factory;
  };

  void Design();
  void DesignGroup(Group& group, int top);
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
  std::array<Group, 3> groups_;
  // Set while stored values are shown: the link boxes neither carry a move
  // to the other sliders nor make the group equal.
  bool showing_stored_ = false;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace gamma_settings
