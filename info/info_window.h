// The card information window (frminfo): read-only facts about the
// Voodoo3 card and its driver, read once at the first opening, and the
// card model in the caption of the information frame.
#pragma once

#include <array>
#include <optional>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/design.h"
#include "look/look.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace info {

class InfoWindow : public look::DesignedWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) InfoWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order, as info/design.h makes them. Each line of the
  // frames is a caption label (lbl...) and the value label after it.
  forms::Image& left_emblem = Next<forms::Image>();  // Image2
  forms::Image& imgvoodoo3 = Next<forms::Image>();
  forms::Image& right_emblem = Next<forms::Image>();  // Image1
  forms::CommandButton& quitcmd = Next<forms::CommandButton>();
  forms::CommandButton& back = Next<forms::CommandButton>();

  forms::Frame& framinfo = Next<forms::Frame>();
  forms::Label& lblproduct = Next<forms::Label>();
  forms::Label& product = Next<forms::Label>();  // Label3
  forms::Label& lblHardVersion = Next<forms::Label>();
  forms::Label& hardware_version = Next<forms::Label>();  // Label4
  forms::Label& lblManufact = Next<forms::Label>();
  forms::Label& manufacturer = Next<forms::Label>();  // Label5
  forms::Label& lblBusType = Next<forms::Label>();
  forms::Label& bus_type = Next<forms::Label>();  // Label6
  forms::Label& lblMemoryType = Next<forms::Label>();
  forms::Label& memory_type = Next<forms::Label>();  // Label7
  forms::Label& lblTotalMemory = Next<forms::Label>();
  forms::Label& memory_size = Next<forms::Label>();  // Label8
  forms::Label& lblmemoryspeed = Next<forms::Label>();
  forms::Label& memory_clock = Next<forms::Label>();  // Label9
  forms::Label& lblGraphicsSpeed = Next<forms::Label>();
  forms::Label& graphics_clock = Next<forms::Label>();  // Label10
  forms::Label& lblClockSpeed = Next<forms::Label>();
  forms::Label& gfx_clock = Next<forms::Label>();  // Label11
  forms::Label& lblBIOSVersion = Next<forms::Label>();
  forms::Label& bios_version = Next<forms::Label>();  // Label12
  forms::Label& lblTVOut = Next<forms::Label>();
  forms::Label& tv_out = Next<forms::Label>();  // Label13
  forms::Label& lblLCD = Next<forms::Label>();
  forms::Label& lcd = Next<forms::Label>();         // Label14
  forms::Label& about_note = Next<forms::Label>();  // Label15

  forms::Frame& framDriver = Next<forms::Frame>();
  forms::Label& lblDVersion = Next<forms::Label>();
  forms::Label& driver_version = Next<forms::Label>();  // label2
  forms::Label& lblProvider = Next<forms::Label>();
  forms::Label& provider = Next<forms::Label>();  // Label1

 protected:
  void OnLoad() override;

 private:
  // The key a shown value is read from.
  enum Key : unsigned char { kDataKey, kDriverKey };
  // A stored value that a label shows.
  struct StoredValue {
    Key key;
    const char* name;
  };
  static const StoredValue kStoredValues[11];

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnBackClick();
  void OnQuitcmdClick();

  void ShowValues();
  void ShowModel();

  registry::Registry& reg_;
  // The labels that show kStoredValues, in its order.
  std::array<forms::Label*, 11> stored_labels_;
  // Kept for the model caption, which Load sets after the Dutch texts.
  bool dutch_ = false;
  // This window's own adapter scan; no driver path without it.
  std::optional<registry::Adapter> adapter_;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace info
