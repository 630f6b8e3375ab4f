# Windows build with mingw-w64: the screen saver, and the tests that run under Wine.
enable_language(RC)
# ctest runs the Windows test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run)
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
set(WIN32_LIBS user32 gdi32 advapi32 comctl32 comdlg32 shell32 psapi ole32 windowscodecs uuid winmm usp10)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Windows-only helpers of the tests (the driver that starts and steers the real saver).
set(WIN32_TEST_SUPPORT ${WIN32_SOURCES})
list(FILTER WIN32_TEST_SUPPORT INCLUDE REGEX "/tests/[^/]*$")
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/tests/[^/]*$")

# Everything Windows-only except the entry point, so the tests can link it too.
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/main_win32\\.cpp$")
add_library(sovelin_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(sovelin_win32 PUBLIC sovelin_core ${WIN32_LIBS})
target_compile_options(sovelin_win32 PRIVATE ${WARNINGS})

file(GLOB RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
set(SAVER_NAME "Sovelin V30")
add_executable(sovelin_saver WIN32 startup/main_win32.cpp ${RESOURCE_SCRIPTS})
target_link_libraries(sovelin_saver PRIVATE sovelin_win32)
# Stripped of symbols and debug sections: a Windows user's .scr needs neither.
target_link_options(sovelin_saver PRIVATE ${STATIC_RUNTIME} -s -Wl,--gc-sections)
target_compile_options(sovelin_saver PRIVATE ${WARNINGS})
set_target_properties(sovelin_saver PROPERTIES OUTPUT_NAME "${SAVER_NAME}" SUFFIX ".scr")
# The verse lists lie beside the saver, as the installer and the zips put them.
set(VERSE_LISTS sovel.vrs web.vrs rv1909.vrs)
foreach(list ${VERSE_LISTS})
  add_custom_command(TARGET sovelin_saver POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/${list}
            $<TARGET_FILE_DIR:sovelin_saver>/${list})
endforeach()

# For the tests only: the saver with every move slowed to 30 ms, as on a machine far too slow
# for its speed, in a folder of its own beside its verse file.
add_executable(sovelin_slow_saver WIN32 startup/main_win32.cpp ${RESOURCE_SCRIPTS})
target_link_libraries(sovelin_slow_saver PRIVATE sovelin_win32)
target_link_options(sovelin_slow_saver PRIVATE ${STATIC_RUNTIME})
target_compile_options(sovelin_slow_saver PRIVATE ${WARNINGS})
target_compile_definitions(sovelin_slow_saver PRIVATE SOVELIN_TEST_MOVE_COST_MS=30)
set_target_properties(sovelin_slow_saver PROPERTIES OUTPUT_NAME "${SAVER_NAME}" SUFFIX ".scr"
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/slow)
add_custom_command(TARGET sovelin_slow_saver POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/sovel.vrs
          $<TARGET_FILE_DIR:sovelin_slow_saver>/sovel.vrs)

# GoogleTest from the machine's sources, built for Windows.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The portable core's tests again, as a 32/64-bit Windows program.
add_executable(core_tests ${CORE_TESTS})
target_link_libraries(core_tests PRIVATE sovelin_core gtest gtest_main)
target_link_options(core_tests PRIVATE ${STATIC_RUNTIME})
target_compile_definitions(core_tests PRIVATE SOVELIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)

# The tests' shared Windows helpers, compiled once for all test programs.
add_library(sovelin_test_support STATIC ${WIN32_TEST_SUPPORT})
target_link_libraries(sovelin_test_support PUBLIC sovelin_win32 gtest)
target_compile_options(sovelin_test_support PRIVATE ${WARNINGS})
target_compile_definitions(sovelin_test_support PRIVATE
  SOVELIN_SAVER_PATH="$<TARGET_FILE:sovelin_saver>" SOVELIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  SOVELIN_SLOW_SAVER_PATH="$<TARGET_FILE:sovelin_slow_saver>")

# One executable, and one ctest entry, per Windows test file.
foreach(test_file ${WIN32_TESTS})
  get_filename_component(test_name ${test_file} NAME_WE)
  add_executable(${test_name} ${test_file})
  target_link_libraries(${test_name} PRIVATE sovelin_test_support)
  target_link_options(${test_name} PRIVATE ${STATIC_RUNTIME})
  target_compile_options(${test_name} PRIVATE ${WARNINGS})
  target_compile_definitions(${test_name} PRIVATE
    SOVELIN_SAVER_PATH="$<TARGET_FILE:sovelin_saver>" SOVELIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(${test_name} sovelin_saver sovelin_slow_saver)
  # English, whatever the machine's locale: Wine takes the display language from LANG.
  add_test(NAME ${test_name} COMMAND ${test_name} --gtest_brief=1 --gtest_filter=-*Spanish*)
  set_tests_properties(${test_name} PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
    ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8")
endforeach()

# The cases that check the Spanish texts, on a Spanish display language (the es_ES.UTF-8
# locale must be generated: scripts/packages does it).
foreach(test_name setup_dialog_win32_test ask_password_win32_test
    change_password_dialog_win32_test)
  add_test(NAME ${test_name}_es COMMAND ${test_name} --gtest_brief=1
    --gtest_filter=*Spanish*:SetupDialogTest.Every*)
  set_tests_properties(${test_name}_es PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
    ENVIRONMENT "LANG=es_ES.UTF-8;LC_ALL=es_ES.UTF-8")
endforeach()

# Benchmark programs that bench/report runs under Wine.
add_executable(design_cost ${CMAKE_SOURCE_DIR}/bench/design_cost_win32.cpp)
target_link_libraries(design_cost PRIVATE sovelin_win32)
target_link_options(design_cost PRIVATE ${STATIC_RUNTIME})
target_compile_options(design_cost PRIVATE ${WARNINGS})
add_executable(placement ${CMAKE_SOURCE_DIR}/bench/placement_win32.cpp)
target_link_libraries(placement PRIVATE winmm)
target_link_options(placement PRIVATE ${STATIC_RUNTIME})
target_compile_options(placement PRIVATE ${WARNINGS})

# Benchmarks that start the built saver or write its files, with the tests' helpers.
foreach(bench verse_load backdrop_cost)
  add_executable(${bench} ${CMAKE_SOURCE_DIR}/bench/${bench}_win32.cpp)
  target_link_libraries(${bench} PRIVATE sovelin_test_support)
  target_link_options(${bench} PRIVATE ${STATIC_RUNTIME})
  target_compile_options(${bench} PRIVATE ${WARNINGS})
  target_compile_definitions(${bench} PRIVATE SOVELIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    SOVELIN_SAVER_PATH="$<TARGET_FILE:sovelin_saver>")
endforeach()
