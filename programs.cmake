# The two shipped programs, Tarnolux.exe and Uninstall.exe, in the root of
# a Windows build tree. Each is built from its real entry file once the
# parts that file needs are there, and until then from a placeholder that
# only shows a message. The i686 build checks that both load on Windows
# 95/98.
if(WIN32)
  if(EXISTS ${CMAKE_SOURCE_DIR}/app/main_win32.cpp AND TARGET tarnolux_app
     AND TARGET tarnolux_forms_win32)
    # With the uninstaller's lean runtime, which keeps the C++ runtime's
    # error reporting and prebuilt string code out.
    add_executable(Tarnolux WIN32 app/main_win32.cpp uninstall/lean_runtime.cpp)
    target_link_libraries(Tarnolux PRIVATE tarnolux_app tarnolux_forms_win32
                          tarnolux_registry_win32)
  else()
    # Runs the adapter scan on the real registry and says what it found.
    add_executable(Tarnolux WIN32 placeholder/tarnolux_main.cpp)
    target_link_libraries(Tarnolux PRIVATE tarnolux_registry_win32 user32)
  endif()

  # Uninstall.exe: the uninstaller's window on the advapi32 store and the
  # Win32 host, with the lean runtime that keeps it small.
  add_executable(Uninstall WIN32 uninstall/main_win32.cpp uninstall/lean_runtime.cpp)
  target_link_libraries(Uninstall PRIVATE tarnolux_uninstall tarnolux_forms_win32
                        tarnolux_registry_win32)

  # Icon and version resources, when the art is there.
  if(TARGET tarnolux_res AND TARGET uninstall_res)
    target_link_libraries(Tarnolux PRIVATE tarnolux_res)
    target_link_libraries(Uninstall PRIVATE uninstall_res)
  endif()

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
