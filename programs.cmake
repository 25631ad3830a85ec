# The two shipped programs, Tarnolux.exe and Uninstall.exe, in the root of
# a Windows build tree, each with its icon and version resource and the
# lean runtime that keeps the C++ runtime's error reporting out. The i686
# build checks that both load on Windows 95/98 and stay within their size.
if(WIN32)
  add_executable(Tarnolux WIN32 app/main_win32.cpp forms/win32/lean_runtime.cpp)
  target_link_libraries(Tarnolux PRIVATE tarnolux_app tarnolux_forms_win32
                        tarnolux_registry_win32 tarnolux_res)

  add_executable(Uninstall WIN32 uninstall/main_win32.cpp forms/win32/lean_runtime.cpp)
  target_link_libraries(Uninstall PRIVATE tarnolux_uninstall tarnolux_forms_win32
                        tarnolux_registry_win32 uninstall_res)

  foreach(program Tarnolux Uninstall)
    target_link_options(${program} PRIVATE -mwindows)
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endforeach()

  if(TARNOLUX_KIND STREQUAL "win32")
    add_test(NAME win9x_check
             COMMAND python3 ${TARNOLUX_SHARED}/win9x/check $<TARGET_FILE:Tarnolux>
                     $<TARGET_FILE:Uninstall>)
  endif()
endif()
