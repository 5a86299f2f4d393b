// Flags of the application shell shared by its threads (window thread,
// toolkit thread, workers).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> start_hidden;  // "-hide" was on the command line
extern std::atomic<int32_t> quit_flag;     // a WM_CLOSE or WM_QUIT passed the message loop
extern HHOOK keyboard_hook;                // the low-level keyboard hook
extern HWND main_window;

// Window thread: creates the window and the toolkit host and builds the panel.
bool create_main_window(HINSTANCE instance, int show_command);

// Thread bodies; each returns once quit_flag is set.
void lvgl_thread_main();
void adlx_worker_main();
void update_worker_main();

// The low-level keyboard hook (Ctrl+Alt+Shift+T toggles the panel).
LRESULT CALLBACK hotkey_hook(int code, WPARAM message, LPARAM key_info);

// Removes keyboard_hook if one is installed.
void unhook_keyboard();
