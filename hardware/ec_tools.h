// Other programs that talk to the EC themselves. While one runs, the program
// keeps off the ports: two masters on 0x66/0x62 corrupt each other's
// transactions.
#pragma once

// True when `exe_name` (a process's executable file name, as a process
// snapshot gives it) is one of the known EC tools, "Rw.exe" and "HE.exe".
// File names on Windows are case-insensitive, so "rw.exe" started from a
// renamed copy is the same tool.
bool is_conflicting_ec_tool(const wchar_t* exe_name);

// Case-insensitive comparison of two file names (ASCII letters folded).
bool same_file_name(const wchar_t* a, const wchar_t* b);
