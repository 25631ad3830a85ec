// The main window (frmv3): the program's start-up window and its hub. Its
// load prepares the machine and shows the graphics clock and the seven
// driver options; Apply writes them back; the seven buttons hand the user
// over to the other windows.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/design.h"
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
  forms::Form* games = nullptr;     // games
};

class MainWindow : public look::DesignedWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) MainWindow(forms::Program& program, registry::Registry& reg);

  void SetTargets(const MainTargets& targets) { targets_ = targets; }
  // The window that asks for the language when none is chosen yet.
  void SetLanguageWindow(forms::Form* language) { language_window_ = language; }

  // Controls in tab order, as app/main_design.h makes them: the
  // pictures, the Speed frame on the left, the Vsync and Miscellaneous
  // frames in the middle, the buttons on the right, the labels below.
  forms::Image& left_emblem = Next<forms::Image>();  // Image1
  forms::Image& imgvoodoo3 = Next<forms::Image>();
  forms::Image& right_emblem = Next<forms::Image>();  // Image2

  forms::Frame& framclk = Next<forms::Frame>();
  forms::ScrollBar& scrspeed = Next<forms::ScrollBar>();
  forms::Label& lblspeed = Next<forms::Label>();

  forms::Frame& framVsync = Next<forms::Frame>();
  forms::CheckBox& chkvd3d = Next<forms::CheckBox>();
  forms::CheckBox& chkvg = Next<forms::CheckBox>();

  forms::Frame& misc_frame = Next<forms::Frame>();  // crap
  forms::CheckBox& chkmipmap = Next<forms::CheckBox>();
  forms::CheckBox& chksplash = Next<forms::CheckBox>();
  forms::CheckBox& chk2mb = Next<forms::CheckBox>();
  forms::CheckBox& chkanti = Next<forms::CheckBox>();
  forms::CheckBox& chktripple = Next<forms::CheckBox>();
  // The Dutch triple-buffering text's second line; hidden in English.
  forms::Label& triple_second_line = Next<forms::Label>();  // Label3

  forms::CommandButton& cmdinfo = Next<forms::CommandButton>();
  forms::CommandButton& windowz = Next<forms::CommandButton>();
  forms::CommandButton& preset = Next<forms::CommandButton>();
  forms::CommandButton& adv = Next<forms::CommandButton>();
  forms::CommandButton& apply = Next<forms::CommandButton>();
  forms::CommandButton& refresh = Next<forms::CommandButton>();
  forms::CommandButton& gamma = Next<forms::CommandButton>();
  forms::CommandButton& games = Next<forms::CommandButton>();

  // "Clock/Memory", under the Speed frame, lit with it.
  forms::Label& clock_memory_label = Next<forms::Label>();  // Label1
  forms::Label& credit = Next<forms::Label>();              // Label2
  forms::Label& contact = Next<forms::Label>();             // Label4

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
    bool glide;  // in the Glide key, else the Direct3D key
    const char* name;
    const char* ticked;
    Reading reading;
  };
  enum { kVsyncGlide, kVsyncD3d, kAntiAlias, kTextureLimit, kSplash, kMipmap, kTriple, kOptions };
  static const Option kOptionValues[kOptions];

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
  void LoadOption(int index);
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
  // The boxes of kOptionValues, in its order.
  std::array<forms::CheckBox*, kOptions> option_boxes_;
  std::optional<registry::Adapter> adapter_;
  bool language_chosen_ = true;
  bool dutch_ = false;
  int model_clock_ = 0;
  MainTargets targets_;
  forms::Form* language_window_ = nullptr;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace app
