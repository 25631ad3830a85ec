// The card information window's texts: each design text in English, and
// the Dutch that replaces it where there is one (ApplyDutch sets them in
// the order of its table).
#pragma once

#include "look/texts.h"

namespace info::texts {

using look::Text;

constexpr Text kCaption{"Tarnolux Adapter Information"};
constexpr Text kExit{"&Exit", "Verlaten"};
constexpr Text kBack{"&Back", "Terug"};
constexpr Text kDriverFrame{"Driver Information", "Driver  informatie"};
constexpr Text kProduct{"Product:"};
constexpr Text kHardVersion{"Hardware Version:", "Hardware versie:"};
constexpr Text kManufacturer{"Manufacturer:", "Fabrikant:"};
constexpr Text kBusType{"Bus Type:"};
constexpr Text kMemoryType{"Memory Type:", "Geheugen type:"};
constexpr Text kTotalMemory{"Total Memory Amount:", "Totale geheugenhoeveelheid:"};
constexpr Text kMemorySpeed{"Memory Clock Speed:", "Kloksnelheid geheugen:"};
constexpr Text kGraphicsSpeed{"Graphics Clock Speed:", "Kloksnelheid Voodoo3 processor:"};
constexpr Text kClockSpeed{"GFX Clock Speed:", "Kloksnelheid Voodoo3 processor:"};
constexpr Text kBiosVersion{"BIOS Version:", "BIOS versie:"};
constexpr Text kTvOut{"TV Out:", "TV Uit:"};
constexpr Text kLcd{"LCD:"};
constexpr Text kDriverVersion{"Driver Version:", "Stuurprogramma versie:"};
constexpr Text kProvider{"Provider:", "Toeleverancier:"};
constexpr Text kAbout{
    "This is information about your 3dfx Voodoo3 display adapter and drivers.  You cannot cange "
    "these settings through this window.  This window is here for reference uses only.",
    "Dit is informatie over uw Voodoo3 grafische kaart en stuurprogramma's. U kan deze niet "
    "veranderen via dit venster. Dit venster is alleen maar bedoeld ter referentie."};

// The two fixed values, the same in Dutch.
constexpr Text kHardVersionValue{"001"};
constexpr Text kManufacturerValue{"3dfx Interactive, Inc."};

// The model caption of the information frame, by model: 2000, 3000, 3500.
// The English 3500 text begins with a blank; the Dutch one does not.
constexpr Text kModelCaptions[] = {{"Voodoo3 2000 Information", "Voodoo3 2000 Informatie"},
                                   {"Voodoo3 3000 Information", "Voodoo3 3000 Informatie"},
                                   {" Voodoo3 3500 Information", "Voodoo3 3500 Informatie"}};

}  // namespace info::texts
