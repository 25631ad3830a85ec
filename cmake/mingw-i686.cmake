# The shipped programs and the Wine tests that run them: 32-bit Windows,
# win32 thread model.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
