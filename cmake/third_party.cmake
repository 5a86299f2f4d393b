# GoogleTest is compiled from Debian's sources with whichever compiler builds
# the tree, so the Windows tests link a gtest made by mingw-w64.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# RapidJSON is header-only. Debian installs it under /usr/include, which must
# not go on the cross compiler's include path (glibc headers live there too),
# so the tree gets a folder holding just a link to it.
set(VEXA_RAPIDJSON_DIR ${CMAKE_BINARY_DIR}/third_party/include)
file(MAKE_DIRECTORY ${VEXA_RAPIDJSON_DIR})
if(NOT EXISTS ${VEXA_RAPIDJSON_DIR}/rapidjson)
  file(CREATE_LINK /usr/include/rapidjson ${VEXA_RAPIDJSON_DIR}/rapidjson SYMBOLIC)
endif()
add_library(rapidjson INTERFACE)
target_include_directories(rapidjson SYSTEM INTERFACE ${VEXA_RAPIDJSON_DIR})

if(NOT WIN32)
  find_package(benchmark QUIET)
endif()

# vexa_test(NAME SOURCES src... LIBS lib...): one GoogleTest executable,
# registered as one CTest test. In the Windows tree CTest runs it under Wine in
# a fresh copy of the template prefix.
function(vexa_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(WIN32)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_template TIMEOUT 300)
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()
