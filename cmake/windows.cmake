# Windows build: the real program and the backend tests that run under Wine.
file(GLOB QUILLBAY_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(quillbay_win32 STATIC ${QUILLBAY_WIN32_SOURCES})
target_link_libraries(quillbay_win32 PUBLIC quillbay_core
  user32 gdi32 winmm advapi32 comctl32 shell32 winspool)
target_compile_definitions(quillbay_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
  _WIN32_WINNT=0x0601)

enable_language(RC)
add_executable(quillbay WIN32 src/app/entry_windows.cpp res/quillbay.rc)
set_target_properties(quillbay PROPERTIES OUTPUT_NAME quillbay SUFFIX .scr)
target_link_libraries(quillbay PRIVATE quillbay_win32)
target_link_options(quillbay PRIVATE -municode -mwindows)

# GoogleTest built from Debian's source package with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB QUILLBAY_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
if(QUILLBAY_WIN32_TESTS)
  add_executable(win32_tests ${QUILLBAY_WIN32_TESTS})
  target_link_libraries(win32_tests PRIVATE quillbay_win32 gtest gtest_main)
endif()

# The yardstick of bench/measure_saver.sh: a bare full-screen window with a 1 ms timer.
add_executable(baseline_window WIN32 bench/baseline_window.cpp)
target_compile_definitions(baseline_window PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
target_link_libraries(baseline_window PRIVATE user32 gdi32)
target_link_options(baseline_window PRIVATE -municode -mwindows)
