// A short record of what the exit paths did to the hardware, so a fan left
// in the wrong mode can be explained afterwards. Appended to
// %ProgramData%\ZEV\TMX\safe-state.log, which starts over once it passes
// SAFETY_LOG_MAX_BYTES. Usable on the crash path: no allocation, no lock of
// ours.
#pragma once

#include <cstdint>

constexpr uint32_t SAFETY_LOG_MAX_BYTES = 64 * 1024;

// One line (without newline); a time stamp and the process id go before it.
void safety_log(const char* line);
