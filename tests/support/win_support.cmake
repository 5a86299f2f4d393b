# Helpers shared by the Windows tests (included by each tests/ folder that
# needs them; defined once per tree).
if(NOT TARGET win_test_support)
  add_library(win_test_support STATIC ${CMAKE_SOURCE_DIR}/tests/support/win_process.cpp)
  target_include_directories(win_test_support PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(win_test_support PUBLIC GTest::gtest)
endif()
