# The two shipped programs, Tarnolux.exe and Uninstall.exe, in the root of
# a Windows build tree, each with its icon and version resource and the
# project's own runtime (runtime/) in place of the toolchain's. The i686
# build checks that both load on the first Windows 95 and run on a 486.
if(WIN32)
  add_executable(Tarnolux WIN32 app/main_win32.cpp)
  target_link_libraries(Tarnolux PRIVATE tarnolux_app forms_win32
                        tarnolux_registry_win32 tarnolux_res)

  add_executable(Uninstall WIN32 uninstall/main_win32.cpp)
  target_link_libraries(Uninstall PRIVATE tarnolux_uninstall forms_win32
                        tarnolux_registry_win32 uninstall_res)

  foreach(program Tarnolux Uninstall)
    target_link_options(${program} PRIVATE -mwindows)
    tarnolux_use_runtime(${program})
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endforeach()

  if(TARNOLUX_KIND STREQUAL "win32")
    add_test(NAME win9x_check
             COMMAND python3 ${TARNOLUX_SHARED}/win9x/check --win95-first --i486
                     $<TARGET_FILE:Tarnolux> $<TARGET_FILE:Uninstall>)
    # Built without stack probes: no function may reserve a page at once.
    add_test(NAME stack_frames
             COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/check_stack.py ${CMAKE_OBJDUMP}
                     $<TARGET_FILE:Tarnolux> $<TARGET_FILE:Uninstall>
                     $<TARGET_FILE:forms_win32_testform> $<TARGET_FILE:bare_window>
                     $<TARGET_FILE:bare_message>)
  endif()
endif()

# The Wine test programs pass the same check, less what doctest imports;
# the other programs built on the project's runtime pass it whole.
if(TARNOLUX_KIND STREQUAL "win32")
  get_property(wine_tests GLOBAL PROPERTY TARNOLUX_WINE_TESTS)
  set(test_programs)
  foreach(test ${wine_tests})
    list(APPEND test_programs $<TARGET_FILE:${test}>)
  endforeach()
  add_test(NAME win9x_check_test_programs
           COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/check_test_programs.py
                   ${TARNOLUX_SHARED}/win9x/check ${test_programs})
  add_test(NAME win9x_check_runtime_programs
           COMMAND python3 ${TARNOLUX_SHARED}/win9x/check --win95-first --i486
                   $<TARGET_FILE:runtime_probe> $<TARGET_FILE:bare_window>
                   $<TARGET_FILE:bare_message>)
endif()
