#include "games/games_window.h"

#include <algorithm>

#include "forms/handoff.h"
#include "games/design.h"
#include "games/launch.h"
#include "games/start.h"
#include "games/texts.h"
#include "gamma/gamma_window.h"
#include "registry/driver.h"
#include "registry/numbers.h"

namespace games {

namespace {

using gamma_settings::kDriverFactory;

constexpr Choice kVsyncChoices[] = {
    {texts::kAsSet, nullptr}, {texts::kOn, "1"}, {texts::kOff, "0"}};
constexpr Choice kRefreshChoices[] = {
    {texts::kAsSet, nullptr}, {{"60 Hz"}, "60"},   {{"70 Hz"}, "70"},
    {{"72 Hz"}, "72"},        {{"75 Hz"}, "75"},   {{"85 Hz"}, "85"},
    {{"90 Hz"}, "90"},        {{"100 Hz"}, "100"}, {{"120 Hz"}, "120"}};
constexpr Choice kAlphaChoices[] = {{texts::kAsSet, nullptr},
                                    {texts::kAutomatic, "1"},
                                    {texts::kSharper, "2"},
                                    {texts::kSmoother, "3"}};
constexpr Choice kBufferChoices[] = {
    {texts::kAsSet, nullptr}, {texts::kDouble, "2"}, {texts::kTriple, "3"}};

template <std::size_t N>
constexpr int Count(const Choice (&)[N]) {
  return static_cast<int>(N);
}

bool ReadsAs(const std::optional<std::string>& value, const char* ticked) {
  return value && registry::WholeNumber(*value) == registry::WholeNumber(ticked);
}

// Takes `path` off the list, in any letter case.
void Drop(std::vector<std::string>& paths, const std::string& path) {
  paths.erase(std::remove_if(paths.begin(), paths.end(),
                             [&](const std::string& p) { return registry::SameText(p, path); }),
              paths.end());
}

}  // namespace

const GamesWindow::Tick GamesWindow::kTicks[] = {
    {kTextureMemory, "2", false},  // chk2mb
    {kNoSplash, "1", true},        // chksplash
    {kLodDither, "1", true},       // chkmipmap
};

GamesWindow::GamesWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, design::kWindow),
      reg_(reg),
      choices_{{{&cbovsync, kSwapInterval, kVsyncChoices, Count(kVsyncChoices)},
                {&cborefresh, kRefresh, kRefreshChoices, Count(kRefreshChoices)},
                {&cboalpha, kAlphaDither, kAlphaChoices, Count(kAlphaChoices)},
                {&cbobuffers, kColorBuffers, kBufferChoices, Count(kBufferChoices)}}} {
  Design();
  ConnectEvents();
  ConnectHover();
}

GamesWindow::~GamesWindow() = default;

// The sliders stand at the drivers' factory gamma until a game is shown;
// the events are not connected yet.
void GamesWindow::Design() {
  gamma_settings::PlaceSliders(sliders_, gamma_values_, kDriverFactory);
  FillChoices();

  look::UseDarkScheme(*this);
  for (forms::ComboBox* box : {&cbogames, &cbovsync, &cborefresh, &cboalpha, &cbobuffers}) {
    box->SetBackColor(forms::kLightGrey);
    box->SetForeColor(forms::kBlack);
  }
}

// The lists' entries in the window's language.
void GamesWindow::FillChoices() {
  for (const Choices& list : choices_) {
    list.box->Clear();
    for (int i = 0; i < list.count; ++i) list.box->AddItem(list.first[i].text.In(dutch_));
    list.box->SetText(list.first[0].text.In(dutch_));
  }
}

// The four lists have no handlers: OK, Start and a change of game read them.
void GamesWindow::ConnectEvents() {
  cbogames.Change = [this] { OnGamesChange(); };
  cmdadd.Click = [this] { OnAddClick(); };
  cmdremove.Click = [this] { OnRemoveClick(); };
  cmdstart.Click = [this] { OnStartClick(); };
  cmdshortcut.Click = [this] { OnShortcutClick(); };
  chkgamma.Click = [this] { OnGammaClick(); };
  for (int channel = kRedChannel; channel <= kBlueChannel; ++channel) {
    sliders_[channel]->Change = [this, channel] { OnSliderChange(static_cast<Channel>(channel)); };
  }
  chklock.Click = [this] { OnLockClick(); };
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

void GamesWindow::ConnectHover() { ConnectDesignHover(hover_); }

// The lists' entries follow the language.
void GamesWindow::ApplyDutch() {
  ApplyDesignDutch();
  FillChoices();
}

// ---- Load ----

void GamesWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) ApplyDutch();
  LoadPictures();
  ShowStored();
}

void GamesWindow::ShowStored() {
  games_ = ReadGames(reg_);
  made_.clear();
  selected_ = -1;
  ShowList(games_.empty() ? "" : games_[0].name);
}

// The list anew, with the game of that name selected (none for "").
void GamesWindow::ShowList(const std::string& selected_name) {
  cbogames.Clear();
  for (const Game& game : games_) cbogames.AddItem(game.name);
  cbogames.SetText(selected_name);
  OnGamesChange();
  ShowSettings();
}

// ---- The list ----

// The game whose name the list shows is the selected one: typed text that
// names none leaves no game selected. The settings shown so far go to
// the game they belong to first.
void GamesWindow::OnGamesChange() {
  int index = -1;
  for (std::size_t i = 0; i < games_.size() && index < 0; ++i) {
    if (games_[i].name == cbogames.Text()) index = static_cast<int>(i);
  }
  if (index == selected_) return;
  if (selected_ >= 0) ReadSettings();
  Select(index);
}

void GamesWindow::Select(int index) {
  selected_ = index;
  ShowSettings();
}

// A program already on the list is selected rather than added twice.
void GamesWindow::OnAddClick() {
  if (!shell_) return;
  const std::string path =
      shell_->ChooseProgram(texts::kChooseTitle.In(dutch_), texts::kPrograms.In(dutch_));
  if (path.empty()) return;
  if (const Game* listed = FindGame(games_, path)) {
    cbogames.SetText(listed->name);
    return;
  }
  Game game;
  game.name = FreeName(NameOf(path));
  game.program = path;
  games_.push_back(game);
  cbogames.AddItem(game.name);
  cbogames.SetText(game.name);
}

// The next game takes its place, or the one before it at the end.
void GamesWindow::OnRemoveClick() {
  if (selected_ < 0) return;
  games_.erase(games_.begin() + selected_);
  const int next = std::min<int>(selected_, static_cast<int>(games_.size()) - 1);
  selected_ = -1;
  ShowList(next >= 0 ? games_[next].name : "");
}

// The window stays open; the game gets the settings it shows.
void GamesWindow::OnStartClick() {
  if (!shell_ || selected_ < 0) return;
  ReadSettings();
  const Game& game = games_[selected_];
  if (!StartGame(*shell_, game, GameCommandLine({game.program, ""}))) {
    host().ShowMessage(NotStartedMessage(game.program, dutch_), texts::kMessageTitle.english);
  }
}

void GamesWindow::OnShortcutClick() {
  if (!shell_ || selected_ < 0) return;
  Game& game = games_[selected_];
  const std::string desktop = shell_->DesktopFolder();
  const std::string path = desktop.empty() ? "" : FreeShortcut(game, desktop);
  forms::Shell::Shortcut shortcut;
  shortcut.target = shell_->ThisProgram();
  shortcut.arguments = "/game ";
  shortcut.arguments += GameCommandLine({game.program, ""});
  shortcut.folder = forms::FolderOf(game.program);
  shortcut.icon = game.program;
  if (path.empty() || !shell_->MakeShortcut(path, shortcut)) {
    host().ShowMessage(texts::kNoShortcut.In(dutch_), texts::kMessageTitle.english);
    return;
  }
  if (std::find(made_.begin(), made_.end(), path) == made_.end() && path != game.shortcut) {
    made_.push_back(path);
  }
  game.shortcut = path;
  // The message names the file without its ".lnk".
  const std::size_t name = path.find_last_of('\\') + 1;
  std::string message = texts::kShortcutMadeBefore.In(dutch_);
  message.append(path, name, path.size() - name - 4);
  message += texts::kShortcutMadeAfter.In(dutch_);
  host().ShowMessage(message, texts::kMessageTitle.english);
}

// ---- Gamma ----

void GamesWindow::OnGammaClick() { EnableSettings(); }

// The lock links the sliders as in the gamma window.
void GamesWindow::OnSliderChange(Channel channel) {
  gamma_settings::FollowSlider(sliders_, gamma_values_, channel, !showing_ && chklock.Value() == 1);
}

void GamesWindow::OnLockClick() {
  if (!showing_) gamma_settings::AlignWithRed(sliders_);
}

// ---- OK and Cancel ----

// Shortcuts of games no longer on the list go with them.
void GamesWindow::OnOkClick() {
  if (selected_ >= 0) ReadSettings();
  std::vector<std::string> dropped = made_;
  for (const Game& stored : ReadGames(reg_)) dropped.push_back(stored.shortcut);
  for (const Game& game : games_) Drop(dropped, game.shortcut);
  WriteGames(reg_, games_);
  RemoveShortcuts(dropped);
  made_.clear();
  forms::ReturnToOpener(*this);
}

// Shortcuts made since the window opened go again, unless the stored list
// names them (they were there before, and were only made anew).
void GamesWindow::OnCancelClick() {
  std::vector<std::string> made = made_;
  for (const Game& stored : ReadGames(reg_)) Drop(made, stored.shortcut);
  RemoveShortcuts(made);
  ShowStored();
  forms::ReturnToOpener(*this);
}

void GamesWindow::RemoveShortcuts(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (IsShortcutFile(path)) files().RemoveFile(path);
  }
}

// ---- The selected game's settings ----

// A value that none of a list's entries gives shows as it is stored; with
// no game selected the controls show "as set in Tarnolux", disabled.
void GamesWindow::ShowSettings() {
  const Game& game = selected_ >= 0 ? games_[selected_] : none_;
  showing_ = true;
  for (const Choices& list : choices_) {
    const std::optional<std::string>& value = game.values[list.variable];
    std::string text = value ? *value : list.first[0].text.In(dutch_);
    for (int i = 0; i < list.count; ++i) {
      const char* given = list.first[i].value;
      if (value && given && *value == given) text = list.first[i].text.In(dutch_);
    }
    list.box->SetText(text);
  }
  const bool own_gamma =
      game.values[kRedGamma] && game.values[kGreenGamma] && game.values[kBlueGamma];
  for (int channel = kRedChannel; channel <= kBlueChannel; ++channel) {
    std::optional<int> position;
    if (own_gamma) position = gamma_settings::UsablePosition(*game.values[kRedGamma + channel]);
    sliders_[channel]->SetValue(position ? *position : kDriverFactory);
  }
  chkgamma.SetValue(own_gamma ? 1 : 0);
  chklock.SetValue(gamma_settings::StandTogether(sliders_) ? 1 : 0);
  for (std::size_t i = 0; i < tick_boxes_.size(); ++i) {
    const Tick& tick = kTicks[i];
    const std::optional<std::string>& value = game.values[tick.variable];
    tick_boxes_[i]->SetValue(
        (tick.by_presence ? value.has_value() : ReadsAs(value, tick.ticked)) ? 1 : 0);
  }
  showing_ = false;
  EnableSettings();
}

// Text in a list that is none of its entries leaves the game's value as
// it was.
void GamesWindow::ReadSettings() {
  Game& game = games_[selected_];
  for (const Choices& list : choices_) {
    for (int i = 0; i < list.count; ++i) {
      if (list.box->Text() != list.first[i].text.In(dutch_)) continue;
      game.values[list.variable].reset();
      if (list.first[i].value) game.values[list.variable] = list.first[i].value;
    }
  }
  for (int channel = kRedChannel; channel <= kBlueChannel; ++channel) {
    std::optional<std::string>& value = game.values[kRedGamma + channel];
    value.reset();
    if (chkgamma.Value() == 1) value = registry::GammaText(sliders_[channel]->Value());
  }
  for (std::size_t i = 0; i < tick_boxes_.size(); ++i) {
    const Tick& tick = kTicks[i];
    const bool ticked = tick_boxes_[i]->Value() == 1;
    std::optional<std::string>& value = game.values[tick.variable];
    const bool reads_ticked = tick.by_presence ? value.has_value() : ReadsAs(value, tick.ticked);
    if (ticked && !reads_ticked) value = tick.ticked;
    if (!ticked && reads_ticked) value.reset();
  }
}

// The settings answer only with a game selected, the sliders only for a
// gamma of its own.
void GamesWindow::EnableSettings() {
  const bool selected = selected_ >= 0;
  for (forms::Control* control : framsettings.Children()) control->SetEnabled(selected);
  const bool gamma = selected && chkgamma.Value() == 1;
  chklock.SetEnabled(gamma);
  for (int channel = kRedChannel; channel <= kBlueChannel; ++channel) {
    sliders_[channel]->SetEnabled(gamma);
    letters_[channel]->SetEnabled(gamma);
    gamma_values_[channel]->SetEnabled(gamma);
  }
  for (forms::CommandButton* button : {&cmdremove, &cmdstart, &cmdshortcut}) {
    button->SetEnabled(selected);
  }
}

std::string GamesWindow::FreeName(const std::string& name) const {
  std::string free = name;
  for (long number = 2;; ++number) {
    bool taken = false;
    for (const Game& game : games_) taken = taken || registry::SameText(game.name, free);
    if (!taken) return free;
    free = name;
    free += " (";
    free += registry::NumberText(number);
    free += ')';
  }
}

// "<Name> (Tarnolux).lnk", or "(Tarnolux 2)" and on while a file that is
// not this game's own shortcut has the name.
std::string GamesWindow::FreeShortcut(const Game& game, const std::string& desktop) {
  for (long number = 1;; ++number) {
    std::string file = game.name;
    file += texts::kShortcutMark;
    if (number > 1) {
      file += ' ';
      file += registry::NumberText(number);
    }
    file += texts::kShortcutEnd;
    const std::string path = forms::JoinPath(desktop, file);
    if (registry::SameText(path, game.shortcut) || !files().FileExists(path)) return path;
  }
}

}  // namespace games
