#The libraries of the windows in tools / screenshot_windows.cpp.
set(TARNOLUX_SCREENSHOT_LIBS tarnolux_test_form)
