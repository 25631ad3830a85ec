// The main window (frmv3): the program's start-up window and its hub. Its
// load prepares the machine and shows the graphics clock and the seven
// driver options; Apply writes them back; the six buttons hand the user
// over to the other windows.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
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

  // Controls in tab order, each created with its design name: the
  // pictures, the Speed frame on the left, the Vsync and Miscellaneous
  // frames in the middle, the buttons on the right, the labels below.
  forms::Image left_emblem{*this, "Image1"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image right_emblem{*this, "Image2"};

  forms::Frame framclk{*this, "framclk"};
  forms::ScrollBar scrspeed{framclk, "scrspeed", forms::Orientation::Vertical};
  forms::Label lblspeed{framclk, "lblspeed"};

  forms::Frame framVsync{*this, "framVsync"};
  forms::CheckBox chkvd3d{framVsync, "chkvd3d"};
  forms::CheckBox chkvg{framVsync, "chkvg"};

  forms::Frame misc_frame{*this, "crap"};
  forms::CheckBox chkmipmap{misc_frame, "chkmipmap"};
  forms::CheckBox chksplash{misc_frame, "chksplash"};
  forms::CheckBox chk2mb{misc_frame, "chk2mb"};
  forms::CheckBox chkanti{misc_frame, "chkanti"};
  forms::CheckBox chktripple{misc_frame, "chktripple"};
  // The Dutch triple-buffering text's second line; hidden in English.
  forms::Label triple_second_line{misc_frame, "Label3"};

  forms::CommandButton cmdinfo{*this, "cmdinfo"};
  forms::CommandButton windowz{*this, "windowz"};
  forms::CommandButton preset{*this, "preset"};
  forms::CommandButton adv{*this, "adv"};
  forms::CommandButton apply{*this, "apply"};
  forms::CommandButton refresh{*this, "refresh"};
  forms::CommandButton gamma{*this, "gamma"};

  // "Clock/Memory", under the Speed frame, lit with it.
  forms::Label clock_memory_label{*this, "Label1"};
  forms::Label credit{*this, "Label2"};
  forms::Label contact{*this, "Label4"};

 protected:
  void OnLoad() override;

 private:
  // A driver option's check box: its value, the text Apply writes for a
  // ticked box, and how Load reads the stored value into the box.
  enum class Reading {
    kState,             // the stored number is the box's state (0, 1 or 2)
    kTickedWhenNumber,  // ticked when the stored number is the ticked text's
    kTickedWhenText,    // ticked when the stored text is the ticked text exactly
  };
  struct Option {
    forms::CheckBox* box;
    bool glide;  // in the Glide key, else the Direct3D key
    const char* name;
    const char* ticked;
    Reading reading;
  };
  enum { kVsyncGlide, kVsyncD3d, kAntiAlias, kTextureLimit, kSplash, kMipmap, kTriple, kOptions };

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  // Load, in order; each step stands on its own.
  void RemoveLeftovers();
  void LoadPictures();
  void CheckLanguage();
  void FindDriver();
  void OnNoDriver();
  void ClearTrayToolEntry();
  void LoadClock();
  void LoadOptions();
  void LoadOption(const Option& option);
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
  // Read by Load and written by Apply, in Apply's order.
  std::array<Option, kOptions> options_;
  std::optional<registry::Adapter> adapter_;
  bool language_chosen_ = true;
  bool dutch_ = false;
  int model_clock_ = 0;
  MainTargets targets_;
  forms::Form* language_window_ = nullptr;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace app
