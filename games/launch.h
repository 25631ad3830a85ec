// Starting a game with its settings: from the command line
// ("Tarnolux.exe /game <path> ...") and from the games window.
#pragma once

#include <optional>
#include <string>

#include "forms/host.h"
#include "forms/shell.h"
#include "games/game_list.h"
#include "registry/registry.h"

namespace games {

// Starts `game` as its own program with `command_line`, Tarnolux's
// environment with the game's variables set, and the game's folder as its
// current folder; false when it could not be started.
bool StartGame(forms::Shell& shell, const Game& game, const std::string& command_line);

// What the command tail asks for. Nothing when it is no "/game" command:
// the program starts as always. Else the game named by the path is
// started, or a message says why not, and the program's exit code comes
// back: 0 started, 1 not. Nothing is written either way.
std::optional<int> StartFromCommandLine(forms::Host& host, forms::Shell& shell,
                                        registry::Registry& reg, const std::string& tail);

// "<path> could not be started." in the language chosen.
std::string NotStartedMessage(const std::string& path, bool dutch);

}  // namespace games
