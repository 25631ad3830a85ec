// The registry keys of a display adapter's driver that the programs read
// and write, as the tests spell them. Header-only.
#pragma once

#include <string>

namespace test_support {

// The display class key; each display adapter has a numbered key below.
constexpr const char* kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display\\";
constexpr const char* kProgramKey = "Software\\Tarno";
// The display key that the adapter scan looks at first, whatever else the
// prefix holds.
constexpr int kScannedFirst = 9;
// Below a driver key: the desktop gamma and the information page's data.
constexpr const char* kGammaBelow = "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
constexpr const char* kInfoBelow =
    "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";

// The key of display adapter `index` ("...\Display\0009").
inline std::string DisplayKey(int index) {
  std::string number = "0000";
  for (int at = 3; at >= 0 && index > 0; --at, index /= 10) {
    number[at] = static_cast<char>('0' + index % 10);
  }
  return kDisplayClass + number;
}

// The keys of the driver of display adapter `index` that the program
// reads and writes.
struct CardKeys {
  explicit CardKeys(int index = kScannedFirst) : driver(DisplayKey(index)) {}

  // A mode's key: Modes("16", "1024,768").
  std::string Modes(const std::string& depth, const std::string& resolution) const {
    return driver + "\\MODES\\" + depth + "\\" + resolution;
  }

  const std::string driver;
  const std::string glide = driver + "\\Glide";
  const std::string d3d = driver + "\\D3D";
  const std::string defaults = driver + "\\DEFAULT";
  const std::string gamma = driver + kGammaBelow;
  const std::string info = driver + kInfoBelow;
};

}  // namespace test_support
