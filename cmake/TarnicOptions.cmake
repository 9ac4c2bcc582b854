# One interface target carries the language level, the warnings and the
# sanitizer switches, so every library and program is built the same way.
add_library(tarnic_options INTERFACE)
target_compile_features(tarnic_options INTERFACE cxx_std_20)
target_compile_options(tarnic_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wconversion -Wsign-conversion
  -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(tarnic_options INTERFACE -Wduplicated-cond -Wlogical-op)
endif()
if(TARNIC_WERROR)
  target_compile_options(tarnic_options INTERFACE -Werror)
endif()
target_compile_definitions(tarnic_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
if(TARNIC_SANITIZE OR TARNIC_FUZZ)
  target_compile_options(tarnic_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(tarnic_options INTERFACE -fsanitize=address,undefined)
endif()
if(TARNIC_FUZZ)
  target_compile_options(tarnic_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Tests run headless: Qt windows draw offscreen.
function(tarnic_add_gtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tarnic_options GTest::gtest GTest::gtest_main)
  # Every suite shares tests/support/ (throwaway folders and the like).
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARNIC_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/fixtures")
endfunction()
include(GoogleTest)
