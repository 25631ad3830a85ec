// The refresh window's texts: each design text in English, and the Dutch
// that replaces it where there is one.
#pragma once

#include "look/texts.h"

namespace refresh::texts {

using look::Text;

// One resolution row: its label and the choices its box offers.
struct RowDesign {
  const char* caption;
  const char* choices;  // separated by single blanks
};

// Rows 1 to 15, in the order of registry::kResolutionList. The driver
// knows row 15 as 2046 wide, and rows 8 and 13 offer 76 Hz.
constexpr RowDesign kRowDesign[15] = {
    {"640x480", "Best 60 72 75 85 100 120 140 160"},
    {"800x600", "Best 60 72 75 85 100 120 140 160"},
    {"960x720", "Best 60 75 85"},
    {"1024x768", "Best 60 75 85 100 120"},
    {"1152x864", "Best 60 75 85 100 120"},
    {"1280x960", "Best 60 75 85"},
    {"1280x1024", "Best 60 75 85 100"},
    {"1600x1024", "Best 60 76 85"},
    {"1600x1200", "Best 60 65 70 75 80 85 100"},
    {"1792x1344", "Best 60 75"},
    {"1856x1392", "Best 60 75"},
    {"1920x1080", "Best 60 72 75 85"},
    {"1920x1200", "Best 60 76 85"},
    {"1920x1440", "Best 60 75"},
    {"2046x1536", "Best 60 75"},
};

constexpr Text kCaption{"Tarnolux Refreash Rates Settings"};
constexpr Text kRatesFrame{"Refresh Rates", "Vernieuwingsfrequenties"};
constexpr Text kDepthFrame{"Color Depths", "Kleurendieptes"};
constexpr Text kBit8{"8bit"};
constexpr Text kBit16{"16bit"};
constexpr Text kBit24{"24bit"};
constexpr Text kBit32{"32bit"};
constexpr Text kLinkAllBit{"Link all color depths.", "Koppel alle kleurendieptes"};
constexpr Text kRatesNote{
    "Changing these options will change how many time your monitor refreshes itself in one "
    "secound, all values are in Hz.  Some monitors won't be able to handle the higher refresh "
    "rates.",
    "Veranderen van deze opties zal de verversingsfrequentie van de monitor wijzigen, alle "
    "waarden zijn in uitgedrukt in Hz. Sommige monitors kunnen de hogere "
    "verversingsfrequenties niet aan."};
constexpr Text kMessageTitle{"Tarnolux"};
// Follows the row's caption: "1024x768: choose ...".
constexpr Text kBadRate{": choose Best or type a refresh rate in Hz.",
                        ": kies Best of typ een verversingsfrequentie in Hz."};

}  // namespace refresh::texts
