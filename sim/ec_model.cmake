# The portable EC model as a static library, for both trees. sim/ is added only
# to the Windows tree, so the native tree (and anything else that wants the
# model) includes this file instead; including it twice is harmless.
include_guard(GLOBAL)
add_library(ec_model STATIC ${CMAKE_CURRENT_LIST_DIR}/ec_model.cpp)
# Both spellings work: "ec_model.h" and, from the repository root, "sim/ec_model.h".
target_include_directories(ec_model PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/..)
