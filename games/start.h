// How a game is started: what "Tarnolux.exe /game <path> ..." asks for,
// the command line the game gets and the environment it gets, which is
// Tarnolux's own with the game's variables set.
#pragma once

#include <optional>
#include <string>

#include "games/game_list.h"

namespace games {

// "/game "C:\Games\Arena\arena.exe" +set r_mode 4": the path and the rest
// of the line after it, unchanged (" +set r_mode 4").
struct GameCommand {
  std::string path;  // "" when the switch came without one
  std::string rest;
};

// The command tail (what follows Tarnolux's own name) as a game command,
// or nothing when its first argument is not "/game" in any case. The path
// is quoted, or unquoted up to the first blank.
std::optional<GameCommand> SplitGameCommand(const std::string& tail);

// The game's command line: its path quoted, then the rest as it came.
std::string GameCommandLine(const GameCommand& command);

// An environment block ("NAME=value", each ended by a NUL, the block by
// one more) from `current`, the same form: the game's variables set, each
// replacing one of the same name in any case, every other entry kept in
// its place; the new ones go where the names' order puts them. Only the
// variables of game_list.h are set.
std::string EnvironmentBlock(const std::string& current, const Game& game);

}  // namespace games
