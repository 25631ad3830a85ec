#include "presets/preset.h"

#include <string>

namespace presets {

namespace {

using registry::kLocalMachine;

// The values a preset writes that differ between presets.
struct Values {
  const char* api_gamma;     // Glide and Direct3D gamma, each channel
  const char* mode;          // alpha blending and detail level
  const char* alloc_color;   // "3" forces triple buffering
  const char* refresh_rate;  // every resolution and depth
};

constexpr Values kDefaults{"1.3", "1", "0", "60"};
constexpr Values kFastest{"1.3", "2", "3", "-1"};
constexpr Values kPrettiest{"1", "3", "3", "-1"};

// Desktop gamma is the same for every preset.
constexpr const char* kDesktopGamma = "1";

const Values& ValuesOf(Preset preset) {
  switch (preset) {
    case Preset::Fastest:
      return kFastest;
    case Preset::Prettiest:
      return kPrettiest;
    case Preset::Defaults:
      break;
  }
  return kDefaults;
}

void SaveGamma(registry::Registry& reg, const std::string& key, const char* gamma) {
  for (const char* channel : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
    reg.SaveString(kLocalMachine, key, channel, gamma);
  }
}

}  // namespace

void WritePreset(registry::Registry& reg, const registry::Adapter& adapter, Preset preset) {
  const Values& values = ValuesOf(preset);
  const std::string glide = adapter.GlideKey() + "\\";
  const std::string d3d = adapter.D3DKey() + "\\";

  // Rebuilt, not edited: whatever is not written again is left to the driver.
  reg.DeleteKey(kLocalMachine, adapter.GlideKey());
  reg.DeleteKey(kLocalMachine, adapter.D3DKey());

  SaveGamma(reg, glide, values.api_gamma);
  SaveGamma(reg, d3d, values.api_gamma);
  SaveGamma(reg, adapter.DesktopGammaKey() + "\\", kDesktopGamma);
  SaveGamma(reg, adapter.DriverKey() + "\\", kDesktopGamma);

  reg.SaveString(kLocalMachine, glide, "SSTH3_ALPHADITHERMODE", values.mode);
  reg.SaveString(kLocalMachine, glide, "SSTH3_OVERLAYMODE", values.mode);
  reg.SaveString(kLocalMachine, d3d, "SSTH3_ALPHADITHERMODE", values.mode);
  reg.SaveString(kLocalMachine, d3d, "SSTH3_OVERLAYMODE", values.mode);

  reg.SaveString(kLocalMachine, glide, "FX_GLIDE_ALLOC_COLOR", values.alloc_color);

  if (preset == Preset::Fastest) {
    // Vertical sync off for both APIs.
    reg.SaveString(kLocalMachine, glide, "FX_GLIDE_SWAPINTERVAL", "0");
    reg.SaveString(kLocalMachine, d3d, "SSTH3_SWAPINTERVAL", "0");
  } else if (preset == Preset::Prettiest) {
    reg.SaveString(kLocalMachine, d3d, "SSTH3_ANTIALIAS", "1");
    reg.SaveString(kLocalMachine, glide, "FX_GLIDE_LOD_DITHER", "1");
  }

  for (const char* resolution : registry::kResolutionList) {
    for (const char* depth : registry::kDepths) {
      reg.SaveString(kLocalMachine, adapter.ModesKey(depth, resolution) + "\\", "RefreshRate",
                     values.refresh_rate);
    }
  }
}

}  // namespace presets
