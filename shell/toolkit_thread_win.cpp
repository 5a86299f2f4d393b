// The toolkit thread: frame-buffer rebuilds, the show/hide fade and the
// toolkit's timers (which read input and run every handler of the panel).
#include <windows.h>
#include <objbase.h>

#include "hardware/brightness_volume.h"
#include "hardware/system_status.h"
#include "shell/frame_buffer.h"
#include "shell/shell_state.h"
#include "shell/window_host.h"
#include "ui/panel_state.h"

std::atomic<uint8_t> fade_step{0};

void set_fade_step(uint8_t step) {
  fade_step = step;
  SetLayeredWindowAttributes(main_window, 0, BYTE(step * panel_opacity / 10), LWA_ALPHA);
}

namespace {

void rebuild_frame_buffer() {
  lv_disp_t* display = lv_disp_get_default();
  if (display) {
    create_frame_buffer(display->driver, client_width, client_height);
    lv_disp_drv_update(display, display->driver);
    lv_refr_now(display);
  }
  resize_pending = 0;
}

// One step of the fade per pass. A fade-in keeps the panel on top at every
// step; a fade-out sends it to the bottom only once it is fully transparent
// (it is never hidden, so it never loses its place or its frame).
void fade_pass() {
  if (fade_request == 1 && fade_step < 10) {
    set_fade_step(uint8_t(fade_step + 1));
    if (fade_step == 10) fade_request = 0;
    SetWindowPos(main_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  if (fade_request == 2 && fade_step > 0) {
    set_fade_step(uint8_t(fade_step - 1));
    if (fade_step == 0) {
      fade_request = 0;
      SetWindowPos(main_window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
  }
}

// A fade moves one step per pass, so passes follow each other closely while
// one runs (and while a resize waits). Otherwise nothing can happen before the
// toolkit's next timer (input is read every 10 ms), and sleeping until then
// saves the thousand empty passes a second a 1 ms pause would make; Wine's
// 1 ms sleep is really 1 ms, unlike Windows' default 15.6 ms tick.
uint32_t pass_pause(uint32_t next_due) {
  if (fade_request != 0 || resize_pending || start_hidden) return 1;
  if (next_due < 1) return 1;
  return next_due < 10 ? next_due : 10;
}

}  // namespace

// The panel's timers call WMI, Core Audio and the network list manager on
// this thread and keep their objects between ticks. The thread joins the
// multithreaded apartment itself rather than lean on the window thread's
// membership, which ends when the back end stops at exit while this thread
// may still be between two ticks.
void lvgl_thread_main() {
  const bool com_joined = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  while (!quit_flag) {
    if (resize_pending) rebuild_frame_buffer();
    fade_pass();
    if (start_hidden) {
      start_hidden = 0;
      panel_visible = 0;
      fade_request = 2;
    }
    uint32_t next_due = lv_timer_handler();
    Sleep(pass_pause(next_due));
  }
  release_brightness_volume();
  release_system_status();
  if (com_joined) CoUninitialize();
}
