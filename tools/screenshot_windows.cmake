# The libraries of the windows in tools/screenshot_windows.cpp.
set(TARNOLUX_SCREENSHOT_LIBS tarnolux_test_form tarnolux_app tarnolux_presets tarnolux_advanced
    tarnolux_gamma tarnolux_games tarnolux_refresh tarnolux_desktop tarnolux_info)
