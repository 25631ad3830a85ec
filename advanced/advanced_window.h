// The advanced window (frmnew): alpha-blending and detail modes of the
// driver, for Glide/OpenGL and for Direct3D. Four option groups, each one
// stored value "1", "2" or "3"; OK writes the selected codes, Cancel
// shows the stored ones again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
#include "look/settings_window.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace advanced {

class AdvancedWindow : public look::SettingsWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) AdvancedWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order after the top row, as advanced/design.h makes
  // them: the Glide frame above the Direct3D frame, then the footer.
  forms::Frame& framGlide = Next<forms::Frame>();
  forms::Frame& glide_alpha_frame = Next<forms::Frame>();  // Frame3
  forms::OptionButton& glideautO = Next<forms::OptionButton>();
  forms::OptionButton& glidesharpeR = Next<forms::OptionButton>();
  forms::OptionButton& glidesmootheR = Next<forms::OptionButton>();
  forms::Frame& glide_detail_frame = Next<forms::Frame>();  // Frame4
  forms::OptionButton& glideDetAuto = Next<forms::OptionButton>();
  forms::OptionButton& glidenormaL = Next<forms::OptionButton>();
  forms::OptionButton& glidehigH = Next<forms::OptionButton>();
  forms::Label& glide_note = Next<forms::Label>();  // Label1

  forms::Frame& framDirect3d = Next<forms::Frame>();
  forms::Frame& direct3d_alpha_frame = Next<forms::Frame>();  // Frame1
  forms::OptionButton& directautO = Next<forms::OptionButton>();
  forms::OptionButton& directsharpeR = Next<forms::OptionButton>();
  forms::OptionButton& directsmootheR = Next<forms::OptionButton>();
  forms::Frame& direct3d_detail_frame = Next<forms::Frame>();  // Frame2
  forms::OptionButton& directAutoDet = Next<forms::OptionButton>();
  forms::OptionButton& directnormaL = Next<forms::OptionButton>();
  forms::OptionButton& directhigH = Next<forms::OptionButton>();
  forms::Label& direct3d_note = Next<forms::Label>();  // Label2

  forms::Label& footer = Next<forms::Label>();  // Label3

 protected:
  void OnLoad() override;

 private:
  // One option group: its frame, the options for the codes 1, 2 and 3,
  // and the driver value that holds the code.
  struct Group {
    forms::Frame* frame;
    std::array<forms::OptionButton*, 3> options;
    bool glide;  // in the Glide key, else the Direct3D key
    const char* value;
    std::int16_t code = 0;  // as last read from the registry
  };
  enum { kGlideAlpha, kGlideDetail, kDirectAlpha, kDirectDetail, kGroups };

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnOkClick();
  void OnCancelClick();

  void ReadCodes();
  void ShowCodes();
  static void Select(const Group& group);
  static int SelectedCode(const Group& group);
  std::string KeyOf(const Group& group) const;

  registry::Registry& reg_;
  std::optional<registry::Adapter> adapter_;
  std::array<Group, kGroups> groups_;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace advanced
