// The main window (frmv3): the program's start-up window and its hub. Its
// load prepares the machine and shows the graphics clock and the seven
// driver options; Apply writes them back; the six buttons hand the user
// over to the other windows.
#pragma once

#include <optional>
#include <string>

#include "forms/forms.h"
#include "forms/hover.h"
#include "registry/driver.h"
#include "registry/registry.h"

namespace app {

// The windows the main window's buttons open; a null target makes its
// button do nothing.
struct MainTargets {
  forms::Form* info = nullptr;      // cmdinfo
  forms::Form* windows = nullptr;   // windowz
  forms::Form* presets = nullptr;   // preset, opened centred
  forms::Form* advanced = nullptr;  // adv
  forms::Form* refresh = nullptr;   // refresh
  forms::Form* gamma = nullptr;     // gamma
};

class MainWindow : public forms::Form {
 public:
  MainWindow(forms::Program& program, registry::Registry& reg);

  void SetTargets(const MainTargets& targets) { targets_ = targets; }
  // The window that asks for the language when none is chosen yet.
  void SetLanguageWindow(forms::Form* language) { language_window_ = language; }

  // Controls in tab order: the pictures, the Speed frame on the left,
  // the Vsync and Miscellaneous frames in the middle, the buttons on the
  // right, the labels below.
  forms::Image Image1{*this, "Image1"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image Image2{*this, "Image2"};

  forms::Frame framclk{*this, "framclk"};
  forms::ScrollBar scrspeed{framclk, "scrspeed", forms::Orientation::Vertical};
  forms::Label lblspeed{framclk, "lblspeed"};

  forms::Frame framVsync{*this, "framVsync"};
  forms::CheckBox chkvd3d{framVsync, "chkvd3d"};
  forms::CheckBox chkvg{framVsync, "chkvg"};

  forms::Frame crap{*this, "crap"};
  forms::CheckBox chkmipmap{crap, "chkmipmap"};
  forms::CheckBox chksplash{crap, "chksplash"};
  forms::CheckBox chk2mb{crap, "chk2mb"};
  forms::CheckBox chkanti{crap, "chkanti"};
  forms::CheckBox chktripple{crap, "chktripple"};
  forms::Label Label3{crap, "Label3"};

  forms::CommandButton cmdinfo{*this, "cmdinfo"};
  forms::CommandButton windowz{*this, "windowz"};
  forms::CommandButton preset{*this, "preset"};
  forms::CommandButton adv{*this, "adv"};
  forms::CommandButton apply{*this, "apply"};
  forms::CommandButton refresh{*this, "refresh"};
  forms::CommandButton gamma{*this, "gamma"};

  forms::Label Label1{*this, "Label1"};
  // The credit and the contact line.
  forms::Label Label2{*this, "Label2"};
  forms::Label Label4{*this, "Label4"};

 protected:
  void OnLoad() override;

 private:
  void Design();
  void DesignHover();
  void UseDutchTexts();

  // Load, in order; each step stands on its own.
  void RemoveLeftovers();
  void LoadPictures();
  void CheckLanguage();
  void FindDriver();
  void OnNoDriver();
  void ClearTrayToolEntry();
  void LoadClock();
  void LoadOptions();
  void LoadModel();
  void UseFactoryClockIfMissing();

  // Apply, in order.
  void OnApplyClick();
  void WriteClock();
  void WriteOptions();

  void OnScrspeedChange();
  void Open(forms::Form* target);
  void OnPresetClick();

  registry::Registry& reg_;
  std::optional<registry::Adapter> adapter_;
  bool language_chosen_ = true;
  bool dutch_ = false;
  int model_clock_ = 0;
  MainTargets targets_;
  forms::Form* language_window_ = nullptr;
  forms::Hover hover_;
};

}  // namespace app
