// The games window's texts and the messages of a game's start: each in
// English, and the Dutch that replaces it where there is one. A message
// that names a program takes it between its two parts.
#pragma once

#include "look/texts.h"

namespace games::texts {

using look::Text;

// ---- The games window (frmgames) ----
constexpr Text kCaption{"Tarnolux Games", "Tarnolux Spellen"};
constexpr Text kGamesFrame{"Games", "Spellen"};
constexpr Text kAdd{"&Add...", "&Toevoegen..."};
constexpr Text kRemove{"&Remove", "&Verwijderen"};
constexpr Text kStart{"&Start", "&Starten"};
constexpr Text kShortcut{"Make &shortcut", "Snel&koppeling"};
constexpr Text kSettingsFrame{"Glide/OpenGL settings for this game",
                              "Glide/OpenGL-instellingen voor dit spel"};
constexpr Text kVsync{"Vsync"};
constexpr Text kRefresh{"Refresh rate", "Verversing"};
constexpr Text kAlpha{"Alpha blending", "Alfa-menging"};
constexpr Text kBuffers{"Buffering"};
constexpr Text kOwnGamma{"Gamma of its own", "Eigen gamma"};
constexpr Text kLock{"Lock Gamma", "Koppel gamma"};
constexpr Text kRed{"R"};
constexpr Text kGreen{"G"};
constexpr Text kBlue{"B"};
constexpr Text kTextureLimit{"Limit texture memory to 2MB", "Textuurgeheugen beperken tot 2MB"};
constexpr Text kSplash{"Hide the splash screen", "Verberg het opstartscherm"};
constexpr Text kMipmap{"Force Mipmap dithering", "Forceer mipmap rasteren"};
constexpr Text kNote{
    "For Glide and OpenGL games; Direct3D does not read these. \"As set in Tarnolux\" leaves a "
    "setting to the main window.",
    "Voor Glide- en OpenGL-spellen; Direct3D leest deze niet. \"Zoals in Tarnolux\" laat een "
    "instelling aan het hoofdvenster."};

// The choices of the four lists; the first leaves the variable unset.
constexpr Text kAsSet{"As set in Tarnolux", "Zoals in Tarnolux"};
constexpr Text kOn{"On", "Aan"};
constexpr Text kOff{"Off", "Uit"};
constexpr Text kAutomatic{"Automatic", "Automatisch"};
constexpr Text kSharper{"Sharper", "Scherper"};
constexpr Text kSmoother{"Smoother", "Zachter"};
constexpr Text kDouble{"Double", "Dubbel"};
constexpr Text kTriple{"Triple", "Drievoudig"};

// The Open dialog.
constexpr Text kChooseTitle{"Add a game", "Spel toevoegen"};
constexpr Text kPrograms{"Programs (*.exe)", "Programma's (*.exe)"};

// The shortcut's file name: "<Name> (Tarnolux).lnk", "<Name> (Tarnolux 2).lnk".
constexpr const char* kShortcutMark = " (Tarnolux";
constexpr const char* kShortcutEnd = ").lnk";

constexpr Text kShortcutMadeBefore{"The shortcut \"", "De snelkoppeling \""};
constexpr Text kShortcutMadeAfter{"\" is on the desktop.", "\" staat op het bureaublad."};
constexpr Text kNoShortcut{"The shortcut could not be made.",
                           "De snelkoppeling kon niet worden gemaakt."};

// ---- Starting a game ----
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
