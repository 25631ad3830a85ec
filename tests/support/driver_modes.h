// The MODES keys of a Voodoo3 driver as the driver names them: fifteen
// resolutions, each under four colour depths. Spelt out here, not taken
// from the code under test, so that a test pins them from outside.
#pragma once

namespace test_support {

constexpr const char* kResolutions[15] = {"640,480",   "800,600",   "960,720",   "1024,768",
                                          "1152,864",  "1280,960",  "1280,1024", "1600,1024",
                                          "1600,1200", "1792,1344", "1856,1392", "1920,1080",
                                          "1920,1200", "1920,1440", "2046,1536"};
constexpr const char* kDepthNames[4] = {"8", "16", "24", "32"};

}  // namespace test_support
