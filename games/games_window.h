// The games window (frmgames): the games Tarnolux starts, and for the
// selected one each Glide setting as set in Tarnolux or a value of its
// own. OK stores the list; Cancel forgets every change since it opened.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/hover.h"
#include "forms/shell.h"
#include "games/game_list.h"
#include "look/look.h"
#include "look/settings_window.h"
#include "registry/registry.h"

namespace games {

// An entry of a settings list: its text and the value it gives the
// variable (null: the variable stays unset).
struct Choice {
  look::Text text;
  const char* value;
};

class GamesWindow : public look::SettingsWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) GamesWindow(forms::Program& program, registry::Registry& reg);
  ~GamesWindow() override;

  // What Add, Start and Make shortcut ask of; without a shell they do
  // nothing.
  void SetShell(forms::Shell* shell) { shell_ = shell; }

  // Controls in tab order after the top row, as games/design.h makes
  // them: the list and its buttons, then the selected game's settings.
  forms::Frame& framgames = Next<forms::Frame>();
  forms::ComboBox& cbogames = Next<forms::ComboBox>();
  forms::CommandButton& cmdadd = Next<forms::CommandButton>();
  forms::CommandButton& cmdremove = Next<forms::CommandButton>();
  forms::CommandButton& cmdstart = Next<forms::CommandButton>();
  forms::CommandButton& cmdshortcut = Next<forms::CommandButton>();

  forms::Frame& framsettings = Next<forms::Frame>();
  forms::Label& lblvsync = Next<forms::Label>();
  forms::ComboBox& cbovsync = Next<forms::ComboBox>();
  forms::Label& lblrefresh = Next<forms::Label>();
  forms::ComboBox& cborefresh = Next<forms::ComboBox>();
  forms::Label& lblalpha = Next<forms::Label>();
  forms::ComboBox& cboalpha = Next<forms::ComboBox>();
  forms::Label& lblbuffers = Next<forms::Label>();
  forms::ComboBox& cbobuffers = Next<forms::ComboBox>();
  forms::Label& lblnote = Next<forms::Label>();
  forms::CheckBox& chkgamma = Next<forms::CheckBox>();
  forms::CheckBox& chklock = Next<forms::CheckBox>();
  forms::Label& lblr = Next<forms::Label>();
  forms::Label& lblgr = Next<forms::Label>();
  forms::ScrollBar& gr = Next<forms::ScrollBar>();
  forms::Label& lblg = Next<forms::Label>();
  forms::Label& lblgg = Next<forms::Label>();
  forms::ScrollBar& gg = Next<forms::ScrollBar>();
  forms::Label& lblb = Next<forms::Label>();
  forms::Label& lblgb = Next<forms::Label>();
  forms::ScrollBar& gb = Next<forms::ScrollBar>();
  forms::CheckBox& chk2mb = Next<forms::CheckBox>();
  forms::CheckBox& chksplash = Next<forms::CheckBox>();
  forms::CheckBox& chkmipmap = Next<forms::CheckBox>();

 protected:
  void OnLoad() override;

 private:
  enum Channel { kRedChannel, kGreenChannel, kBlueChannel };
  // A list of choices for one variable.
  struct Choices {
    forms::ComboBox* box;
    Variable variable;
    const Choice* first;
    int count;
  };
  // A check box that sets its variable to `ticked` (or keeps the value it
  // has when that reads as ticked too).
  struct Tick {
    Variable variable;
    const char* ticked;
    bool by_presence;  // any value ticks the box, as Glide reads it
  };
  // In the order of tick_boxes_.
  static const Tick kTicks[3];

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();
  void FillChoices();

  void OnGamesChange();
  void OnAddClick();
  void OnRemoveClick();
  void OnStartClick();
  void OnShortcutClick();
  void OnGammaClick();
  void OnSliderChange(Channel channel);
  void OnLockClick();
  void OnOkClick();
  void OnCancelClick();

  // The stored list shown anew, at Load and at Cancel.
  void ShowStored();
  void ShowList(const std::string& selected_name);
  void Select(int index);
  // The selected game's settings into the controls, and back.
  void ShowSettings();
  void ReadSettings();
  void EnableSettings();
  std::string FreeName(const std::string& name) const;
  std::string FreeShortcut(const Game& game, const std::string& desktop);
  void RemoveShortcuts(const std::vector<std::string>& paths);

  registry::Registry& reg_;
  forms::Shell* shell_ = nullptr;
  bool dutch_ = false;
  std::vector<Game> games_;
  int selected_ = -1;  // in games_, or -1
  const Game none_;    // what the controls show with no game selected
  // Set while the window shows values: the gamma lock neither carries a
  // move nor makes the sliders equal.
  bool showing_ = false;
  // Shortcuts made since the window opened, which Cancel takes away again.
  std::vector<std::string> made_;
  std::array<forms::ScrollBar*, 3> sliders_{&gr, &gg, &gb};
  std::array<forms::Label*, 3> letters_{&lblr, &lblg, &lblb};
  std::array<forms::Label*, 3> gamma_values_{&lblgr, &lblgg, &lblgb};
  std::array<Choices, 4> choices_;
  std::array<forms::CheckBox*, 3> tick_boxes_{&chk2mb, &chksplash, &chkmipmap};
  forms::Hover hover_{look::kCaptions};
};

}  // namespace games
