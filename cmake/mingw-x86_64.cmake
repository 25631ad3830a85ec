# The same sources built for 64-bit Windows: the fallback for machines
# that cannot start 32-bit Wine, run under the 64-bit Wine loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
