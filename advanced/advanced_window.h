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
  AdvancedWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order after the top row, each created with its design
  // name: the Glide frame above the Direct3D frame, then the footer. Each
  // option group sits in an inner frame of its own, so that its options
  // exclude each other and nothing else.
  forms::Frame framGlide{*this, "framGlide"};
  forms::Frame glide_alpha_frame{framGlide, "Frame3"};
  forms::OptionButton glideautO{glide_alpha_frame, "glideautO"};
  forms::OptionButton glidesharpeR{glide_alpha_frame, "glidesharpeR"};
  forms::OptionButton glidesmootheR{glide_alpha_frame, "glidesmootheR"};
  forms::Frame glide_detail_frame{framGlide, "Frame4"};
  forms::OptionButton glideDetAuto{glide_detail_frame, "glideDetAuto"};
  forms::OptionButton glidenormaL{glide_detail_frame, "glidenormaL"};
  forms::OptionButton glidehigH{glide_detail_frame, "glidehigH"};
  forms::Label glide_note{framGlide, "Label1"};

  forms::Frame framDirect3d{*this, "framDirect3d"};
  forms::Frame direct3d_alpha_frame{framDirect3d, "Frame1"};
  forms::OptionButton directautO{direct3d_alpha_frame, "directautO"};
  forms::OptionButton directsharpeR{direct3d_alpha_frame, "directsharpeR"};
  forms::OptionButton directsmootheR{direct3d_alpha_frame, "directsmootheR"};
  forms::Frame direct3d_detail_frame{framDirect3d, "Frame2"};
  forms::OptionButton directAutoDet{direct3d_detail_frame, "directAutoDet"};
  forms::OptionButton directnormaL{direct3d_detail_frame, "directnormaL"};
  forms::OptionButton directhigH{direct3d_detail_frame, "directhigH"};
  forms::Label direct3d_note{framDirect3d, "Label2"};

  forms::Label footer{*this, "Label3"};

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
  void DesignApiFrame(forms::Frame& frame, const char* caption, int top, int alpha_group,
                      forms::Label& note);
  void DesignGroup(const Group& group, const char* caption, int top,
                   std::array<const char*, 3> texts);
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
