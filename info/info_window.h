// The card information window (frminfo): read-only facts about the
// Voodoo3 card and its driver, read once at the first opening, and the
// card model in the caption of the information frame.
#pragma once

#include <array>
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

  // Controls in tab order (top to bottom, left to right), each created
  // with its design name. Each line of the frames is a caption label
  // (lbl...) and the value label after it.
  forms::Image left_emblem{*this, "Image2"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image right_emblem{*this, "Image1"};
  forms::CommandButton quitcmd{*this, "quitcmd"};
  forms::CommandButton back{*this, "back"};

  forms::Frame framinfo{*this, "framinfo"};
  forms::Label lblproduct{framinfo, "lblproduct"};
  forms::Label product{framinfo, "Label3"};
  forms::Label lblHardVersion{framinfo, "lblHardVersion"};
  forms::Label hardware_version{framinfo, "Label4"};
  forms::Label lblManufact{framinfo, "lblManufact"};
  forms::Label manufacturer{framinfo, "Label5"};
  forms::Label lblBusType{framinfo, "lblBusType"};
  forms::Label bus_type{framinfo, "Label6"};
  forms::Label lblMemoryType{framinfo, "lblMemoryType"};
  forms::Label memory_type{framinfo, "Label7"};
  forms::Label lblTotalMemory{framinfo, "lblTotalMemory"};
  forms::Label memory_size{framinfo, "Label8"};
  forms::Label lblmemoryspeed{framinfo, "lblmemoryspeed"};
  forms::Label memory_clock{framinfo, "Label9"};
  forms::Label lblGraphicsSpeed{framinfo, "lblGraphicsSpeed"};
  forms::Label graphics_clock{framinfo, "Label10"};
  forms::Label lblClockSpeed{framinfo, "lblClockSpeed"};
  forms::Label gfx_clock{framinfo, "Label11"};
  forms::Label lblBIOSVersion{framinfo, "lblBIOSVersion"};
  forms::Label bios_version{framinfo, "Label12"};
  forms::Label lblTVOut{framinfo, "lblTVOut"};
  forms::Label tv_out{framinfo, "Label13"};
  forms::Label lblLCD{framinfo, "lblLCD"};
  forms::Label lcd{framinfo, "Label14"};
  // Last in the frame, so that it draws over the value labels' empty
  // right ends, which reach under it.
  forms::Label about_note{framinfo, "Label15"};

  forms::Frame framDriver{*this, "framDriver"};
  forms::Label lblDVersion{framDriver, "lblDVersion"};
  forms::Label driver_version{framDriver, "label2"};
  forms::Label lblProvider{framDriver, "lblProvider"};
  forms::Label provider{framDriver, "Label1"};

 protected:
  void OnLoad() override;

 private:
  // The key a shown value is read from; one byte, which keeps the table's
  // setting-up code small.
  enum Key : unsigned char { kDataKey, kDriverKey };
  // A value label and the stored value it shows.
  struct StoredValue {
    forms::Label* label;
    Key key;
    const char* name;
  };

  void Design();
  void DesignLine(forms::Label& caption, const char* text, forms::Label& value, int value_left,
                  int top, int value_width);
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();
  void ApplyDutchVersionLine();

  void OnBackClick();
  void OnQuitcmdClick();

  void ShowValues();
  void ShowModel();

  registry::Registry& reg_;
  // Read by ShowValues, in this order.
  std::array<StoredValue, 11> stored_values_;
  // Kept for the model caption, which Load sets after the Dutch texts.
  bool dutch_ = false;
  // This window's own adapter scan; no driver path without it.
  std::optional<registry::Adapter> adapter_;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace info
