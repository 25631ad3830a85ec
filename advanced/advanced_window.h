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
#include "registry/driver.h"
#include "registry/registry.h"

namespace advanced {

class AdvancedWindow : public forms::Form {
 public:
  AdvancedWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order: pictures and buttons along the top, then the
  // Glide frame above the Direct3D frame, then the footer.
  forms::Image Image1{*this, "Image1"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image Image2{*this, "Image2"};
  forms::CommandButton ok{*this, "ok"};
  forms::CommandButton cancel{*this, "cancel"};

  forms::Frame framGlide{*this, "framGlide"};
  forms::Frame Frame3{framGlide, "Frame3"};
  forms::OptionButton glideautO{Frame3, "glideautO"};
  forms::OptionButton glidesharpeR{Frame3, "glidesharpeR"};
  forms::OptionButton glidesmootheR{Frame3, "glidesmootheR"};
  forms::Frame Frame4{framGlide, "Frame4"};
  forms::OptionButton glideDetAuto{Frame4, "glideDetAuto"};
  forms::OptionButton glidenormaL{Frame4, "glidenormaL"};
  forms::OptionButton glidehigH{Frame4, "glidehigH"};
  forms::Label Label1{framGlide, "Label1"};

  forms::Frame framDirect3d{*this, "framDirect3d"};
  forms::Frame Frame1{framDirect3d, "Frame1"};
  forms::OptionButton directautO{Frame1, "directautO"};
  forms::OptionButton directsharpeR{Frame1, "directsharpeR"};
  forms::OptionButton directsmootheR{Frame1, "directsmootheR"};
  forms::Frame Frame2{framDirect3d, "Frame2"};
  forms::OptionButton directAutoDet{Frame2, "directAutoDet"};
  forms::OptionButton directnormaL{Frame2, "directnormaL"};
  forms::OptionButton directhigH{Frame2, "directhigH"};
  forms::Label Label2{framDirect3d, "Label2"};

  forms::Label Label3{*this, "Label3"};

 protected:
  void OnLoad() override;

 private:
  // One option group: the options for the codes 1, 2 and 3, and the
  // driver value that holds the code.
  struct Group {
    std::array<forms::OptionButton*, 3> options;
    bool glide;  // in the Glide key, else the Direct3D key
    const char* value;
    std::int16_t code;  // as last read from the registry
  };
  enum { kGlideAlpha, kGlideDetail, kDirectAlpha, kDirectDetail, kGroups };

  void Design();
  void DesignGroup(forms::Frame& frame, const char* caption, const Group& group,
                   std::array<const char*, 3> texts);
  void DesignHover();
  void UseDutch();
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
  forms::Hover hover_;
};

}  // namespace advanced
