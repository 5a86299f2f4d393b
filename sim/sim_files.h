// Where the stand-ins keep their shared state and logs: %VEXA_SIM_DIR%, or
// %ProgramData%\VexaSim. Every process of a prefix (the program, the tools,
// the tests) finds the same files there. Windows only.
#pragma once

#include <cstddef>

/**
 * The full path of `name` in the stand-ins' folder, which is created when
 * missing.
 * @return false when the path does not fit in size characters
 */
bool sim_file_path(const char* name, char* out, size_t size);

/**
 * Appends one printf-formatted line (at most 510 characters) to the file
 * `name` in the stand-ins' folder. Appends are whole lines, so processes
 * and threads logging at once never mix their lines.
 */
void sim_append_line(const char* name, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
