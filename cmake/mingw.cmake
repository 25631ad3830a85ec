# What both Windows toolchains share; mingw-i686.cmake and mingw-x86_64.cmake
# name the processor first.
set(CMAKE_SYSTEM_NAME Windows)
set(mingw_triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-win32)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
# Archives whose index names the symbols of link-time-optimised objects.
set(CMAKE_AR ${mingw_triple}-gcc-ar-win32)
set(CMAKE_RANLIB ${mingw_triple}-gcc-ranlib-win32)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
