// A small form with a control of every kind, for the host's own tests,
// the screenshots and the i686 size check. English design; Dutch texts
// when the registry's language choice says so.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
#include "registry/registry.h"

namespace forms::win32 {

class TestForm : public Form {
 public:
  TestForm(Program& program, registry::Registry& reg);

  // What the form's handlers saw, in order ("Apply", "scrSpeed 145").
  std::vector<std::string> log;
  // The picture shown in imgBanner, beside the program.
  static constexpr const char* kPicture = "testform.jpg";

  Image imgBanner{*this, "imgBanner"};
  Label lblTitle{*this, "lblTitle"};
  Frame framOptions{*this, "framOptions"};
  CheckBox chkGrey{framOptions, "chkGrey"};
  CheckBox chkSet{framOptions, "chkSet"};
  OptionButton optX{framOptions, "optX"};
  OptionButton optY{framOptions, "optY"};
  Frame framSpeed{*this, "framSpeed"};
  ScrollBar scrSpeed{framSpeed, "scrSpeed", Orientation::Vertical};
  Label lblSpeed{framSpeed, "lblSpeed"};
  Label lblClock{*this, "lblClock"};
  CommandButton cmdAdvanced{*this, "cmdAdvanced"};
  CommandButton cmdApply{*this, "cmdApply"};
  CommandButton cmdMessage{*this, "cmdMessage"};
  OptionButton optLow{*this, "optLow"};
  OptionButton optHigh{*this, "optHigh"};
  ScrollBar scrGamma{*this, "scrGamma", Orientation::Horizontal};
  Label lblGamma{*this, "lblGamma"};
  ComboBox cboRate{*this, "cboRate", 3};
  Label lblNote{*this, "lblNote"};
  CommandButton cmdOK{*this, "cmdOK"};
  CommandButton cmdCancel{*this, "cmdCancel"};

 protected:
  void OnLoad() override;

 private:
  // A control as drawn: its place in its container, in twips, and its
  // caption in English and in Dutch (null: none, or the English stays).
  struct Drawn {
    Control* control;
    int left, top, width, height;
    const char* english;
    const char* dutch;
  };
  static constexpr int kDrawn = 22;
  std::array<Drawn, kDrawn> Drawing();

  void Layout();
  void UseDutchTexts();
  void OnSpeedChange();
  void OnGammaChange();

  registry::Registry& reg_;
  Hover hover_{look::kCaptions};
};

}  // namespace forms::win32
