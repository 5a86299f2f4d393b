// Flags of the application shell shared by its threads (window thread,
// toolkit thread, workers).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> start_hidden;  // "-hide" was on the command line
extern std::atomic<int32_t> quit_flag;     // the program is ending: every thread loop returns
extern HHOOK keyboard_hook;                // the low-level keyboard hook
extern HWND main_window;

// Window thread: creates the window and the toolkit host and builds the panel.
bool create_main_window(HINSTANCE instance, int show_command);

// Thread bodies; each returns once quit_flag is set.
void lvgl_thread_main();
void adlx_worker_main();
void update_worker_main();

// Sets quit_flag and wakes the threads that wait for work.
void signal_quit();
// A worker's pause: returns true at once when the program is ending, else
// after max_ms.
bool wait_for_quit(uint32_t max_ms);

// The orderly end, on the window thread: unhooks the keyboard, ends and joins
// the threads (with a deadline), hands the hardware back (stop_backend),
// removes the tray icon and destroys the window. Returns exit_code; when a
// thread did not end in time the process is terminated right there instead.
int end_program(int exit_code);

// The low-level keyboard hook (Ctrl+Alt+Shift+T toggles the panel).
LRESULT CALLBACK hotkey_hook(int code, WPARAM message, LPARAM key_info);

// Removes keyboard_hook if one is installed.
void unhook_keyboard();
