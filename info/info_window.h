// The card information window (frminfo): read-only facts about the
// Voodoo3 card and its driver, read once at the first opening, and the
// card model in the caption of the information frame.
#pragma once

#include <optional>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace info {

class InfoWindow : public forms::Form {
 public:
  InfoWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order (top to bottom, left to right).
  forms::Image Image2{*this, "Image2"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image Image1{*this, "Image1"};
  forms::CommandButton quitcmd{*this, "quitcmd"};
  forms::CommandButton back{*this, "back"};

  forms::Frame framinfo{*this, "framinfo"};
  forms::Label lblproduct{framinfo, "lblproduct"};
  forms::Label Label3{framinfo, "Label3"};
  forms::Label lblHardVersion{framinfo, "lblHardVersion"};
  forms::Label Label4{framinfo, "Label4"};
  forms::Label lblManufact{framinfo, "lblManufact"};
  forms::Label Label5{framinfo, "Label5"};
  forms::Label lblBusType{framinfo, "lblBusType"};
  forms::Label Label6{framinfo, "Label6"};
  forms::Label lblMemoryType{framinfo, "lblMemoryType"};
  forms::Label Label7{framinfo, "Label7"};
  forms::Label lblTotalMemory{framinfo, "lblTotalMemory"};
  forms::Label Label8{framinfo, "Label8"};
  forms::Label lblmemoryspeed{framinfo, "lblmemoryspeed"};
  forms::Label Label9{framinfo, "Label9"};
  forms::Label lblGraphicsSpeed{framinfo, "lblGraphicsSpeed"};
  forms::Label Label10{framinfo, "Label10"};
  forms::Label lblClockSpeed{framinfo, "lblClockSpeed"};
  forms::Label Label11{framinfo, "Label11"};
  forms::Label lblBIOSVersion{framinfo, "lblBIOSVersion"};
  forms::Label Label12{framinfo, "Label12"};
  forms::Label lblTVOut{framinfo, "lblTVOut"};
  forms::Label Label13{framinfo, "Label13"};
  forms::Label lblLCD{framinfo, "lblLCD"};
  forms::Label Label14{framinfo, "Label14"};
  // Last in the frame, so that it draws over the value labels' empty
  // right ends, which reach under it.
  forms::Label Label15{framinfo, "Label15"};

  forms::Frame framDriver{*this, "framDriver"};
  forms::Label lblDVersion{framDriver, "lblDVersion"};
  forms::Label label2{framDriver, "label2"};
  forms::Label lblProvider{framDriver, "lblProvider"};
  forms::Label Label1{framDriver, "Label1"};

 protected:
  void OnLoad() override;

 private:
  void Layout();
  void PlaceLine(forms::Label& caption, const char* text, forms::Label& value, int value_left,
                 int top, int value_width);
  void DeclareHover();
  void UseDutch();
  void UseDutchVersionLine();
  void FillValues();
  void ShowModel();
  void OnBack();
  void OnQuit();

  registry::Registry& reg_;
  forms::Hover hover_{look::kCaptions};
  bool dutch_ = false;
  // This window's own adapter scan; no driver path without it.
  std::optional<registry::Adapter> adapter_;
};

}  // namespace info
