// The toolkit thread: frame-buffer rebuilds, the show/hide fade and the
// toolkit's timers (which read input and run every handler of the panel).
#include <windows.h>
#include <objbase.h>

#include "hardware/brightness_volume.h"
#include "hardware/system_status.h"
#include "shell/frame_buffer.h"
#include "shell/ime_caret.h"
#include "shell/panel_fade.h"
#include "shell/shell_state.h"
#include "shell/window_host.h"
#include "ui/pages/status_bar.h"
#include "ui/panel_state.h"

std::atomic<uint8_t> fade_step{0};

namespace {

PanelFade fade;  // the toolkit thread's own (the window thread's before it starts)
bool drawing = true;  // invalidation enabled on the display
HANDLE wake_event = nullptr;  // made by init_panel_fade, before any thread waits on it

void publish_fade() {
  fade_step = fade.step;
  panel_visible = fade.visible ? 1 : 0;
  fade_request = fade.running;
}

// While the panel is fully transparent nothing of it is drawn: the clock and
// the read-outs keep changing labels, and each change would otherwise redraw
// the whole frame (full refresh) for nobody. The pointer is not read either;
// the keypad still is, for the controller's combinations.
void set_drawing(bool on) {
  lv_disp_t* display = lv_disp_get_default();
  if (!display || drawing == on) return;
  drawing = on;
  lv_disp_enable_invalidation(display, on);
  if (pointer_device && pointer_device->driver->read_timer) {
    if (on) {
      lv_timer_resume(pointer_device->driver->read_timer);
    } else {
      lv_timer_pause(pointer_device->driver->read_timer);
    }
  }
  if (on) {
    // What changed while hidden is drawn now, before the first fade step
    // makes the window visible again; the status bar, which is not read
    // while hidden, first.
    status_bar_refresh();
    lv_obj_invalidate(lv_scr_act());
    lv_refr_now(display);
  }
}

void rebuild_frame_buffer() {
  lv_disp_t* display = lv_disp_get_default();
  if (display) {
    create_frame_buffer(display->driver, client_width, client_height);
    lv_disp_drv_update(display, display->driver);
    lv_refr_now(display);
  }
}

// One step of the fade per pass. A fade-in keeps the panel on top at every
// step; a fade-out sends it to the bottom only once it is fully transparent
// (it is never hidden, so it never loses its place or its frame).
void fade_pass() {
  FadeEffects effects = panel_fade_pass(&fade, panel_request.exchange(PANEL_REQUEST_NONE));
  if (effects.start_drawing) set_drawing(true);
  if (effects.alpha_changed) {
    fade_step = fade.step;
    apply_window_alpha(panel_opacity);
  }
  if (effects.z == Z_TOP) {
    SetWindowPos(main_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  } else if (effects.z == Z_BOTTOM) {
    SetWindowPos(main_window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  if (effects.stop_drawing) set_drawing(false);
  publish_fade();
}

// How long the thread may wait for the next toolkit timer. A fade moves one
// step per pass, so passes follow each other closely while one runs.
// Otherwise the wait lasts until the next timer is due: anything that
// cannot wait for it (a show or hide request, a resize, the end) wakes the
// thread through wake_event. Wine's 1 ms sleep is really 1 ms, unlike
// Windows' default 15.6 ms tick, so empty passes cost real time there.
DWORD pass_wait(uint32_t next_due) {
  if (fade.running != 0 || resize_pending) return 1;
  return next_due < 1 ? 1 : next_due;
}

void adjust_keypad_period() {
  if (!keypad_device || !keypad_device->driver->read_timer) return;
  uint32_t period = keypad_period(fade.visible || fade.step > 0);
  if (keypad_device->driver->read_timer->period != period) {
    lv_timer_set_period(keypad_device->driver->read_timer, period);
  }
}

}  // namespace

void apply_window_alpha(int32_t alpha) {
  SetLayeredWindowAttributes(main_window, 0, BYTE(alpha * fade_step / FADE_STEPS), LWA_ALPHA);
}

void init_panel_fade(bool hidden) {
  if (!wake_event) wake_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  fade = PanelFade{};
  fade.visible = !hidden;
  fade.running = hidden ? 0 : 1;
  publish_fade();
  apply_window_alpha(panel_opacity);
  if (hidden) set_drawing(false);
}

void wake_toolkit() {
  if (wake_event) SetEvent(wake_event);
}

// The panel's timers call WMI, Core Audio and the network list manager on
// this thread and keep their objects between ticks. The thread joins the
// multithreaded apartment itself rather than lean on the window thread's
// membership, which ends when the back end stops at exit while this thread
// may still be between two ticks.
void lvgl_thread_main() {
  const bool com_joined = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  while (!quit_flag) {
    if (resize_pending.exchange(0)) rebuild_frame_buffer();
    fade_pass();
    uint32_t next_due = lv_timer_handler();
    publish_ime_caret();
    adjust_keypad_period();
    DWORD wait = pass_wait(next_due);
    if (wake_event) {
      WaitForSingleObject(wake_event, wait);
    } else {
      Sleep(wait);
    }
  }
  release_brightness_volume();
  release_system_status();
  if (com_joined) CoUninitialize();
}
