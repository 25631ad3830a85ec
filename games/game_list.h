// The games Tarnolux starts, each with its own Glide settings: the list as
// it is stored under HKEY_LOCAL_MACHINE "Software\Tarno\Games", one key
// per game ("1", "2", ... in list order) holding its name, its program,
// the shortcut Tarnolux made for it and one value per variable it sets.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "registry/registry.h"

namespace games {

constexpr const char* kGamesKey = "Software\\Tarno\\Games";

// The Glide environment variables a game can set, in the order its key
// holds them. Glide reads each from the environment before the registry.
enum Variable {
  kSwapInterval,  // "0" vsync off, "1" on
  kRefresh,       // Hz of the full-screen modes
  kRedGamma,      // the three gammas count only together
  kGreenGamma,
  kBlueGamma,
  kAlphaDither,    // "1" automatic, "2" sharper, "3" smoother
  kColorBuffers,   // "2" double, "3" triple
  kTextureMemory,  // MB
  kNoSplash,       // on by presence alone
  kLodDither,      // on by presence alone
  kVariables
};
constexpr const char* kVariableNames[kVariables] = {
    "FX_GLIDE_SWAPINTERVAL", "FX_GLIDE_REFRESH",     "SSTH3_RGAMMA",
    "SSTH3_GGAMMA",          "SSTH3_BGAMMA",         "SSTH3_ALPHADITHERMODE",
    "FX_GLIDE_ALLOC_COLOR",  "FX_GLIDE_TMU_MEMSIZE", "FX_GLIDE_NO_SPLASH",
    "FX_GLIDE_LOD_DITHER"};

struct Game {
  std::string name;
  std::string program;   // the full path
  std::string shortcut;  // the .lnk Tarnolux made, or ""
  // The text each variable gets, or nothing when the game leaves it as
  // set in Tarnolux.
  std::array<std::optional<std::string>, kVariables> values;
};

// The stored list, from "1" up to the first key without a program. Only
// the variables above are read; other values in a game's key are not.
std::vector<Game> ReadGames(registry::Registry& reg);
// The whole Games key anew: the old one deleted, then every game.
void WriteGames(registry::Registry& reg, const std::vector<Game>& games);

// The game whose program is `path`, ignoring the case of ASCII letters,
// or null.
const Game* FindGame(const std::vector<Game>& games, const std::string& path);

// Whether the file is a shortcut: its name ends in ".lnk", in any case.
bool IsShortcutFile(const std::string& path);

// "C:\Games\Arena\arena.exe": "arena"; the ".exe" goes in any case.
std::string NameOf(const std::string& path);

}  // namespace games
