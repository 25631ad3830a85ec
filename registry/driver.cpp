#include "registry/driver.h"

namespace registry {

namespace {

constexpr const char* kDriverDescValue = "DriverDesc";
constexpr const char* kNotSupported = "Not Supported";

// System\...\Display\000N of the adapter numbered N.
std::string DriverKeyOf(int index) {
  std::string key = kDisplayClass;
  key += static_cast<char>('0' + index);
  return key;
}

}  // namespace

const std::array<const char*, 15> kResolutionList = {
    "640,480",   "800,600",   "960,720",   "1024,768",  "1152,864",
    "1280,960",  "1280,1024", "1600,1024", "1600,1200", "1792,1344",
    "1856,1392", "1920,1080", "1920,1200", "1920,1440", "2046,1536"};

const std::array<const char*, 4> kDepths = {"8", "16", "24", "32"};

std::string Adapter::DriverKey() const { return DriverKeyOf(index_); }

std::string Adapter::DefaultKey() const { return DriverKey() + "\\DEFAULT"; }

std::string Adapter::GlideKey() const { return DriverKey() + "\\Glide"; }

std::string Adapter::D3DKey() const { return DriverKey() + "\\D3D"; }

std::string Adapter::InfoKey() const {
  return DriverKey() + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
}

std::string Adapter::DesktopGammaKey() const {
  return DriverKey() + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
}

std::string Adapter::ModesKey(const char* depth, const char* resolution) const {
  std::string key = DriverKey();
  key += "\\MODES\\";
  key += depth;
  key += '\\';
  key += resolution;
  return key;
}

std::optional<Adapter> FindAdapter(Registry& reg) {
  for (int index = 9; index >= 0; --index) {
    const std::string path = DriverKeyOf(index);
    std::string description = reg.GetString(kLocalMachine, path, kDriverDescValue);
    if (description == kVoodoo3) return Adapter(index, std::move(description));
  }
  return std::nullopt;
}

bool IsDutch(Registry& reg) {
  return reg.GetString(kLocalMachine, kProgramKey, kLanguageValue) == "2";
}

CardModel ModelFromOutputs(const std::string& lcd, const std::string& tv_out) {
  if (lcd != kNotSupported) return CardModel::Voodoo3_3500;
  if (tv_out != kNotSupported) return CardModel::Voodoo3_3000;
  return CardModel::Voodoo3_2000;
}

int FactoryClock(CardModel model) {
  switch (model) {
    case CardModel::Voodoo3_3500:
      return 183;
    case CardModel::Voodoo3_3000:
      return 166;
    case CardModel::Voodoo3_2000:
      break;
  }
  return 143;
}

}  // namespace registry
