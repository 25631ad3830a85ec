#include "games/launch.h"

#include "forms/files.h"
#include "games/start.h"
#include "games/texts.h"
#include "registry/driver.h"

namespace games {

namespace {

constexpr int kStarted = 0;
constexpr int kNotStarted = 1;

// A message that names a path: the text before it, the path, the text after.
std::string AroundPath(const char* before, const std::string& path, const char* after) {
  std::string message = before;
  message += path;
  message += after;
  return message;
}

int Refuse(forms::Host& host, const std::string& text) {
  host.ShowMessage(text, texts::kMessageTitle.english);
  return kNotStarted;
}

}  // namespace

bool StartGame(forms::Shell& shell, const Game& game, const std::string& command_line) {
  return shell.StartProgram(game.program, command_line, EnvironmentBlock(shell.Environment(), game),
                            forms::FolderOf(game.program));
}

std::optional<int> StartFromCommandLine(forms::Host& host, forms::Shell& shell,
                                        registry::Registry& reg, const std::string& tail) {
  const std::optional<GameCommand> command = SplitGameCommand(tail);
  if (!command) return std::nullopt;
  const bool dutch = registry::IsDutch(reg);
  if (command->path.empty()) return Refuse(host, texts::kNoPath.In(dutch));
  const std::vector<Game> games = ReadGames(reg);
  const Game* game = FindGame(games, command->path);
  if (!game) {
    return Refuse(host, AroundPath(texts::kUnknownBefore.In(dutch), command->path,
                                   texts::kUnknownAfter.In(dutch)));
  }
  // The path as the game's own, not as typed: the list's program starts.
  GameCommand started = *command;
  started.path = game->program;
  if (!StartGame(shell, *game, GameCommandLine(started))) {
    return Refuse(host, NotStartedMessage(command->path, dutch));
  }
  return kStarted;
}

std::string NotStartedMessage(const std::string& path, bool dutch) {
  return AroundPath(texts::kNotStartedBefore.In(dutch), path, texts::kNotStartedAfter.In(dutch));
}

}  // namespace games
