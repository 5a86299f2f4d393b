// The crash path: whatever ends the process abnormally (an unhandled
// exception on any thread, std::terminate, a failed toolkit assertion) still
// hands fan and lighting back to the EC first.
#pragma once

// Installs the unhandled-exception filter and the std::terminate handler.
// `cleanup`, if given, runs after the hardware is safe (the tray icon's
// removal); it must not take locks of the program.
void install_crash_handlers(void (*cleanup)());

// The code a failed toolkit assertion raises (lv_conf.h raises it).
constexpr unsigned long TOOLKIT_ASSERT_EXCEPTION = 0xE0564C56UL;
