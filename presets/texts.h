// The presets window's texts: every one changes with the language, so each
// language is one table, the English design and the Dutch replacement.
#pragma once

namespace presets {

struct Texts {
  const char* caption;
  const char* defaults;
  const char* fastest;
  const char* prettiest;
  const char* cancel;
  // The help line's texts: the general one and one per preset button.
  const char* general_help;
  const char* defaults_help;
  const char* fastest_help;
  const char* prettiest_help;
};

}  // namespace presets

namespace presets::english {
constexpr Texts kTexts{
    "Pre Set Settings",
    "&Defaults",
    "&Fastest",
    "&Prettiest",
    "&Cancel",
    "Please select which Pre-Set settings mode you wish.",
    "Resets your Voodoo3 options to the factory defaults.",
    "Sets up your Voodoo3 options for optimal performance.",
    "Sets up your Voodoo3 options for superior visual quality.",
};
}  // namespace presets::english

namespace presets::dutch {
constexpr Texts kTexts{
    "Voorafinstellingen",
    "Standaard",
    "Snelste",
    "Mooiste",
    "Annuleren",
    "Kies een voorinstelling naar uw keuze",
    "Stelt Voodoo3 opties in op de fabrieksinstellingen",
    "Stelt uw Voodoo3 opties in voor optimale snelheid",
    "Stelt uw Voodoo3 in voor beste beeldkwaliteit",
};
}  // namespace presets::dutch
