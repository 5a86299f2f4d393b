// Small process helpers for the Windows tests: run a tool of the tree and
// read what it printed, start and end a helper process.
#pragma once

#include <windows.h>

#include <string>

// Folder of the running test executable, with a trailing backslash.
std::wstring test_bin_dir();

// Runs `command_line` (the program taken from the test's folder unless the
// line starts with a quoted or absolute path),
// waits for it and returns its exit code; its standard output goes to *output.
int run_and_capture(const std::wstring& command_line, std::string* output);

// The last integer printed by `command_line` (ecsim's plain values), or -1.
long run_for_number(const std::wstring& command_line);

// Copies `source` to a fresh folder as `name` and starts it. Returns the
// process handle (nullptr on failure); end_process terminates and closes it.
HANDLE start_copy_as(const std::wstring& source, const std::wstring& name);
void end_process(HANDLE process);
