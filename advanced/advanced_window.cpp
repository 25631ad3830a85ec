#include "advanced/advanced_window.h"

#include "advanced/design.h"
#include "advanced/texts.h"
#include "forms/handoff.h"
#include "look/look.h"
#include "registry/numbers.h"

namespace advanced {

namespace {

using registry::kLocalMachine;

// The driver values of the two kinds of group, in the Glide and the
// Direct3D key alike.
constexpr const char* kAlphaValue = "SSTH3_ALPHADITHERMODE";
constexpr const char* kDetailValue = "SSTH3_OVERLAYMODE";

// The inner frames' captions in this colour do not show on black.
constexpr forms::Color kHiddenCaption = forms::kBlack;

}  // namespace

AdvancedWindow::AdvancedWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, design::kWindow),
      reg_(reg),
      groups_{{
          {&glide_alpha_frame, {&glideautO, &glidesharpeR, &glidesmootheR}, true, kAlphaValue},
          {&glide_detail_frame, {&glideDetAuto, &glidenormaL, &glidehigH}, true, kDetailValue},
          {&direct3d_alpha_frame,
           {&directautO, &directsharpeR, &directsmootheR},
           false,
           kAlphaValue},
          {&direct3d_detail_frame,
           {&directAutoDet, &directnormaL, &directhigH},
           false,
           kDetailValue},
      }} {
  Design();
  ConnectEvents();
  ConnectHover();
}

// No option is selected by design; Load selects the stored codes.
void AdvancedWindow::Design() {
  look::UseDarkScheme(*this);
  for (const Group& group : groups_) group.frame->SetForeColor(kHiddenCaption);
}

// The options have no handlers: a click only selects within the group.
void AdvancedWindow::ConnectEvents() {
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

void AdvancedWindow::ConnectHover() { ConnectDesignHover(hover_); }

void AdvancedWindow::ApplyDutch() { ApplyDesignDutch(); }

void AdvancedWindow::OnLoad() {
  if (registry::IsDutch(reg_)) ApplyDutch();
  LoadPictures();
  adapter_ = registry::FindAdapter(reg_);
  ReadCodes();
  ShowCodes();
}

// Writes the code of every group that has a selection; a group without
// one keeps its stored value.
void AdvancedWindow::OnOkClick() {
  if (adapter_) {
    for (const Group& group : groups_) {
      const int code = SelectedCode(group);
      if (code == 0) continue;
      std::string key = KeyOf(group);
      key += '\\';
      reg_.SaveString(kLocalMachine, key, group.value, registry::NumberText(code));
    }
  }
  forms::ReturnToOpener(*this);
}

// Cancel discards: the options show the stored codes again, so a
// cancelled choice can never reach the driver through a later OK.
void AdvancedWindow::OnCancelClick() {
  ReadCodes();
  ShowCodes();
  forms::ReturnToOpener(*this);
}

// Reads the four codes, detail before alpha blending as designed; a
// missing, empty or non-numeric text reads as 0.
// Without a driver key there is nothing to read and the codes stay 0.
void AdvancedWindow::ReadCodes() {
  if (!adapter_) return;
  for (int index : {kGlideDetail, kGlideAlpha, kDirectDetail, kDirectAlpha}) {
    Group& group = groups_[index];
    const std::string text = reg_.GetString(kLocalMachine, KeyOf(group), group.value);
    group.code = registry::WholeNumber(text).value_or(0);
  }
}

// In the order of reading, detail before alpha blending.
void AdvancedWindow::ShowCodes() {
  for (int index : {kGlideDetail, kGlideAlpha, kDirectDetail, kDirectAlpha}) {
    Select(groups_[index]);
  }
}

// Codes 1, 2 and 3 select their option; any other code clears the group.
void AdvancedWindow::Select(const Group& group) {
  if (group.code >= 1 && group.code <= 3) {
    group.options[group.code - 1]->SetValue(true);
    return;
  }
  for (forms::OptionButton* option : group.options) option->SetValue(false);
}

// The code of the first selected option, or 0 when none is.
int AdvancedWindow::SelectedCode(const Group& group) {
  for (int i = 0; i < 3; ++i) {
    if (group.options[i]->Value()) return i + 1;
  }
  return 0;
}

std::string AdvancedWindow::KeyOf(const Group& group) const {
  return group.glide ? adapter_->GlideKey() : adapter_->D3DKey();
}

}  // namespace advanced
