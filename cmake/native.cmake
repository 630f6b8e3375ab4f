# Native Linux build: the portable core and its unit tests, with sanitizers.
option(SOVELIN_SANITIZE "Build with AddressSanitizer and UBSan" ON)
if(SOVELIN_SANITIZE)
  set(SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(sovelin_core PUBLIC ${SANITIZERS})
  target_link_options(sovelin_core PUBLIC ${SANITIZERS})
  # The standard library checks its own preconditions too: indexes, std::clamp's bounds.
  target_compile_definitions(sovelin_core PUBLIC _GLIBCXX_ASSERTIONS)
endif()

find_package(GTest REQUIRED)
add_executable(core_tests ${CORE_TESTS})
target_link_libraries(core_tests PRIVATE sovelin_core GTest::gtest GTest::gtest_main)
target_compile_options(core_tests PRIVATE ${WARNINGS})
target_compile_definitions(core_tests PRIVATE SOVELIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME core_tests COMMAND core_tests --gtest_brief=1)

# The administrative templates offer exactly the settings of the saver's own table.
add_executable(print_policies installer/print_policies.cpp)
target_link_libraries(print_policies PRIVATE sovelin_core)
target_compile_options(print_policies PRIVATE ${WARNINGS})
add_test(NAME policy_templates
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-policies $<TARGET_FILE:print_policies>)
