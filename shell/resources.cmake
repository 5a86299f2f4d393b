# The program's resource script (manifest, icon group 101, version 2.0.9.0),
# for the Windows tree: shell/CMakeLists.txt includes this file and adds
# ${VEXA_PROGRAM_RESOURCES} to the program's sources. The RC compiler is
# windres from the toolchain file.
enable_language(RC)
set(VEXA_PROGRAM_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/vexa.rc)
# windres reads the manifest, the icon and the version header itself; CMake
# does not see them.
set_source_files_properties(${VEXA_PROGRAM_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/vexa.manifest;${CMAKE_SOURCE_DIR}/ui/assets/icon/vexa.ico;${CMAKE_SOURCE_DIR}/update/program_version.h")
