// The settings map: where the Voodoo3 driver and Windows keep every value
// Tarnolux reads or writes, how the driver's key is found, and the card
// model rule.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "registry/registry.h"

namespace registry {

// The driver's display-class key, found by the adapter scan. Paths can be
// built only from a found adapter: there is no other way to make one.
class Adapter {
 public:
  int Index() const { return index_; }
  const std::string& Description() const { return description_; }

  std::string DriverKey() const;        // System\...\Display\000N
  std::string DefaultKey() const;       // + \DEFAULT
  std::string GlideKey() const;         // + \Glide
  std::string D3DKey() const;           // + \D3D
  std::string InfoKey() const;          // + \shellex\...\Edge Information\Data\Adapter
  std::string DesktopGammaKey() const;  // + \shellex\...\Edge Tweaks\GAMMA
  // + \MODES\<depth>\<resolution>
  std::string ModesKey(const char* depth, const char* resolution) const;

 private:
  friend std::optional<Adapter> FindAdapter(Registry& reg);
  Adapter(int index, std::string description)
      : index_(index), description_(std::move(description)) {}
  int index_;
  std::string description_;
};

// Display-class keys 9 down to 0; the first (highest) whose "DriverDesc"
// is exactly "3dfx Voodoo3". Nothing when no key matches.
std::optional<Adapter> FindAdapter(Registry& reg);

constexpr const char* kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display\\000";
constexpr const char* kVoodoo3 = "3dfx Voodoo3";

// The program's own key and its one value.
constexpr const char* kProgramKey = "Software\\Tarno";
constexpr const char* kLanguageValue = "Language";
// "2" is Dutch; anything else English.
bool IsDutch(Registry& reg);

// The 3dfx tray tool's start-up entry.
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
constexpr const char* kTrayToolValue = "3dfx Tools";

// The fifteen resolution key names, "640,480" to "2046,1536".
extern const std::array<const char*, 15> kResolutionList;
// The four colour depths of the MODES keys.
extern const std::array<const char*, 4> kDepths;

enum class CardModel { Voodoo3_2000, Voodoo3_3000, Voodoo3_3500 };
// "LCD" other than "Not Supported" is a 3500; else "TV Out" other than
// "Not Supported" a 3000; else a 2000. Exact, case-sensitive.
CardModel ModelFromOutputs(const std::string& lcd, const std::string& tv_out);
// Factory graphics clock in MHz: 143, 166, 183.
int FactoryClock(CardModel model);

}  // namespace registry
