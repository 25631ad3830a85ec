#include "games/game_list.h"

#include "registry/numbers.h"

namespace games {

namespace {

constexpr const char* kNameValue = "Name";
constexpr const char* kProgramValue = "Program";
constexpr const char* kShortcutValue = "Shortcut";

std::string GameKey(std::size_t number) {
  std::string key = kGamesKey;
  key += '\\';
  key += registry::NumberText(static_cast<long>(number));
  return key;
}

}  // namespace

std::vector<Game> ReadGames(registry::Registry& reg) {
  std::vector<Game> games;
  for (std::size_t number = 1;; ++number) {
    const std::string key = GameKey(number);
    std::optional<std::string> program =
        registry::GetPresentString(reg, registry::kLocalMachine, key, kProgramValue);
    if (!program) break;
    Game game;
    game.program = *program;
    game.name = reg.GetString(registry::kLocalMachine, key, kNameValue);
    game.shortcut = reg.GetString(registry::kLocalMachine, key, kShortcutValue);
    for (int variable = 0; variable < kVariables; ++variable) {
      game.values[variable] =
          registry::GetPresentString(reg, registry::kLocalMachine, key, kVariableNames[variable]);
    }
    games.push_back(game);
  }
  return games;
}

void WriteGames(registry::Registry& reg, const std::vector<Game>& games) {
  reg.DeleteKey(registry::kLocalMachine, kGamesKey);
  for (std::size_t i = 0; i < games.size(); ++i) {
    const Game& game = games[i];
    const std::string key = GameKey(i + 1);
    reg.SaveString(registry::kLocalMachine, key, kNameValue, game.name);
    reg.SaveString(registry::kLocalMachine, key, kProgramValue, game.program);
    if (!game.shortcut.empty()) {
      reg.SaveString(registry::kLocalMachine, key, kShortcutValue, game.shortcut);
    }
    for (int variable = 0; variable < kVariables; ++variable) {
      if (game.values[variable]) {
        reg.SaveString(registry::kLocalMachine, key, kVariableNames[variable],
                       *game.values[variable]);
      }
    }
  }
}

const Game* FindGame(const std::vector<Game>& games, const std::string& path) {
  for (const Game& game : games) {
    if (registry::SameText(game.program, path)) return &game;
  }
  return nullptr;
}

bool IsShortcutFile(const std::string& path) {
  return path.size() > 4 && registry::SameText(path.substr(path.size() - 4), ".lnk");
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() > 4 && registry::SameText(name.substr(name.size() - 4), ".exe")) {
    name.resize(name.size() - 4);
  }
  return name;
}

}  // namespace games
