// The games window's texts and the messages of a game's start: each in
// English, and the Dutch that replaces it where there is one. A message
// that names a program takes it between its two parts.
#pragma once

#include "look/texts.h"

namespace games::texts {

using look::Text;

constexpr Text kMessageTitle{"Tarnolux"};
constexpr Text kNoPath{
    "Name the game to start: Tarnolux.exe /game \"C:\\Games\\game.exe\"",
    "Noem het spel dat moet starten: Tarnolux.exe /game \"C:\\Games\\spel.exe\""};
constexpr Text kUnknownBefore{"Tarnolux has no settings for ",
                              "Tarnolux heeft geen instellingen voor "};
constexpr Text kUnknownAfter{"."};
constexpr Text kNotStartedBefore{""};
constexpr Text kNotStartedAfter{" could not be started.", " kon niet worden gestart."};

}  // namespace games::texts
