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

  // Controls in tab order, each created with its design name.
  forms::Label help_line{*this, "Label1"};
  forms::CommandButton defaults{*this, "defaults"};
  forms::CommandButton fastest{*this, "fastest"};
  forms::CommandButton prettiest{*this, "prettiest"};
  forms::CommandButton cancel{*this, "cancel"};

 protected:
  void OnLoad() override;

 private:
  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnDefaultsClick();
  void OnFastestClick();
  void OnPrettiestClick();
  void OnCancelClick();

  void ShowTexts(const Texts& texts);
  void ShowHelp(const char* line);
  void RunPreset(Preset preset);

  registry::Registry& reg_;
  // The language's texts, which the help line takes its lines from.
  const Texts* texts_ = &english::kTexts;
};

}  // namespace presets
