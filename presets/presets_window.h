// The presets window (frmdefaults): three one-click settings for the
// driver. A preset rewrites the driver's settings and ends the program;
// Cancel goes back to the main window where it stood.
#pragma once

#include "forms/forms.h"
#include "presets/preset.h"
#include "presets/texts.h"
#include "registry/registry.h"

namespace presets {

class PresetsWindow : public forms::Form {
 public:
  PresetsWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order.
  forms::Label Label1{*this, "Label1"};
  forms::CommandButton defaults{*this, "defaults"};
  forms::CommandButton fastest{*this, "fastest"};
  forms::CommandButton prettiest{*this, "prettiest"};
  forms::CommandButton cancel{*this, "cancel"};

 protected:
  void OnLoad() override;

 private:
  void Design();
  void UseTexts(const Texts& texts);
  void OnDefaultsClick() { Run(Preset::Defaults); }
  void OnFastestClick() { Run(Preset::Fastest); }
  void OnPrettiestClick() { Run(Preset::Prettiest); }
  void OnCancelClick();
  void Run(Preset preset);
  void ShowHelp(const char* line) { Label1.SetCaption(line); }

  registry::Registry& reg_;
  const Texts* texts_ = &kEnglish;
};

}  // namespace presets
