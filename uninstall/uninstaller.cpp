#include "uninstall/uninstaller.h"

#include "backup/backup.h"
#include "games/game_list.h"
#include "registry/numbers.h"

namespace uninstall {

namespace {

constexpr const char* kGammaValues[] = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"};
constexpr const char* kFactoryApiGamma = "1.3";
constexpr const char* kFactoryDesktopGamma = "1";
constexpr const char* kFactoryMode = "1";  // automatic
constexpr const char* kFactoryRefreshRate = "60";

}  // namespace

Uninstaller::Uninstaller(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "Form1"), reg_(reg) {
  SetCaption("Form1");
  backup::BackUpBeforeFirstChange(reg_, program);
}

// The registry outlives this window; its hook must not outlive the host.
Uninstaller::~Uninstaller() { reg_.SetBeforeFirstChange(nullptr); }

// One pass, each step on its own. Without a Voodoo3 adapter no driver
// path exists, so the driver steps are left out and the rest still runs.
void Uninstaller::OnLoad() {
  ResetLanguage();
  DeleteProgramFiles();
  if (const std::optional<registry::Adapter> adapter = registry::FindAdapter(reg_)) {
    ResetDriverOptions(*adapter);
    ResetRefreshRates(*adapter);
    ResetClock(*adapter);
  }
  RemoveGames();
  SayGoodbye();
}

// An empty choice, not a missing one: the next start asks again.
void Uninstaller::ResetLanguage() {
  reg_.SaveString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue, "");
}

// A missing, read-only or busy file is skipped without a word.
void Uninstaller::DeleteProgramFiles() {
  const std::string folder = files().ProgramFolder();
  for (const char* file : kProgramFiles) files().RemoveFile(forms::JoinPath(folder, file));
}

// Glide and Direct3D keys are rebuilt with only the factory gamma and
// modes, so every other option falls back to the driver's own default.
void Uninstaller::ResetDriverOptions(const registry::Adapter& adapter) {
  reg_.DeleteKey(registry::kLocalMachine, adapter.GlideKey());
  reg_.DeleteKey(registry::kLocalMachine, adapter.D3DKey());
  for (const char* gamma : kGammaValues) Save(adapter.GlideKey(), gamma, kFactoryApiGamma);
  for (const char* gamma : kGammaValues) Save(adapter.D3DKey(), gamma, kFactoryApiGamma);
  for (const char* gamma : kGammaValues) {
    Save(adapter.DesktopGammaKey(), gamma, kFactoryDesktopGamma);
  }
  for (const char* gamma : kGammaValues) Save(adapter.DriverKey(), gamma, kFactoryDesktopGamma);
  for (const std::string& key : {adapter.GlideKey(), adapter.D3DKey()}) {
    Save(key, "SSTH3_ALPHADITHERMODE", kFactoryMode);
    Save(key, "SSTH3_OVERLAYMODE", kFactoryMode);
  }
}

// Resolution by resolution, the four depths inside each; missing keys are
// created.
void Uninstaller::ResetRefreshRates(const registry::Adapter& adapter) {
  for (const char* resolution : registry::kResolutionList) {
    for (const char* depth : registry::kDepths) {
      Save(adapter.ModesKey(depth, resolution), "RefreshRate", kFactoryRefreshRate);
    }
  }
}

// The factory clock of the card's model, in the driver's clock and the
// three clock values the information window shows.
void Uninstaller::ResetClock(const registry::Adapter& adapter) {
  const std::string data = adapter.InfoKey();
  const std::string lcd = reg_.GetString(registry::kLocalMachine, data, "LCD");
  const std::string tv_out = reg_.GetString(registry::kLocalMachine, data, "TV Out");
  const std::string clock =
      registry::NumberText(registry::FactoryClock(registry::ModelFromOutputs(lcd, tv_out)));
  Save(adapter.DefaultKey(), "Grxclock", clock);
  Save(data, "GFX Clock Speed", clock);
  Save(data, "Graphics Clock Speed", clock);
  Save(data, "Memory Clock Speed", clock);
}

// The shortcuts Tarnolux made for the games, and then their list. Only a
// ".lnk" goes: "Shortcut" never names anything else Tarnolux made.
void Uninstaller::RemoveGames() {
  for (const games::Game& game : games::ReadGames(reg_)) {
    if (games::IsShortcutFile(game.shortcut)) files().RemoveFile(game.shortcut);
  }
  reg_.DeleteKey(registry::kLocalMachine, games::kGamesKey);
}

// The window never appears: the program ends once the user has read this.
void Uninstaller::SayGoodbye() {
  host().ShowMessage(kClosingText, kClosingTitle);
  program().End();
}

void Uninstaller::Save(const std::string& key, const char* name, std::string_view data) {
  reg_.SaveString(registry::kLocalMachine, key, name, data);
}

}  // namespace uninstall
