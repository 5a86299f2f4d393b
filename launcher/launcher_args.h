// Command-line handling of TMXStart.exe, kept apart from the Windows calls so
// that it builds and is tested natively as well.
#pragma once

#include <string>
#include <string_view>

// The arguments part of a Windows command line: what follows the program
// name (argv[0]) and the spaces or tabs after it, unchanged. The name is read
// the way the C runtime reads argv[0]: a double quote toggles quoting, there
// are no escapes, and an unquoted space or tab ends it.
std::wstring_view arguments_after_program_name(std::wstring_view command_line);

// The command line that starts `program_path` with `arguments`: the path in
// double quotes (a Windows path cannot contain one), then a space and the
// arguments when there are any.
std::wstring program_command_line(std::wstring_view program_path, std::wstring_view arguments);

// The folder of a module path, with its trailing backslash; empty when the
// path names no folder.
std::wstring_view folder_of(std::wstring_view module_path);
