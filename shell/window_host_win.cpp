// create_main_window and the window procedure.
#include "shell/window_host.h"

#include "hardware/power.h"
#include "shell/frame_buffer.h"
#include "shell/panel_fade.h"
#include "shell/panel_geometry.h"
#include "shell/shell_state.h"
#include "ui/panel_state.h"

HWND main_window = nullptr;
lv_indev_t* pointer_device = nullptr;
lv_indev_t* keypad_device = nullptr;
std::atomic<int32_t> client_width{0}, client_height{0};
std::atomic<int32_t> resize_pending{0};
std::atomic<int32_t> current_dpi{96};
lv_disp_drv_t display_driver;

namespace {

constexpr wchar_t WINDOW_CLASS[] = L"vexa_control_center";
constexpr wchar_t WINDOW_TITLE[] = L"Vexa Control Center";
constexpr UINT MENU_SHOW_HIDE = 1, MENU_EXIT = 2;
UINT taskbar_created_message = 0;

// The work area of the primary monitor. Asked through the monitor rather
// than SPI_GETWORKAREA: the two agree on Windows, but Wine answers
// SPI_GETWORKAREA from a per-process copy that a mode change leaves stale.
// With a screen size (from WM_DISPLAYCHANGE) the work area is cut to it: Wine's
// desktop updates the work area only after that message went out, so it can
// still be the old, larger one, and a work area never extends past the
// primary screen, whose origin is 0,0.
PanelRect panel_rect(int32_t screen_width = 0, int32_t screen_height = 0) {
  RECT work = {};
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (primary && GetMonitorInfoW(primary, &info)) {
    work = info.rcWork;
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  }
  if (screen_width > 0 && screen_height > 0) {
    if (work.right > screen_width) work.right = screen_width;
    if (work.bottom > screen_height) work.bottom = screen_height;
  }
  return panel_rect_for_work_area(work.left, work.top, work.right, work.bottom);
}

// Optional user32 calls, looked up so the program also starts without them.
void register_touch(HWND window) {
  using RegisterTouchWindowFn = BOOL(WINAPI*)(HWND, ULONG);
  auto fn = reinterpret_cast<RegisterTouchWindowFn>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "RegisterTouchWindow"));
  if (fn) fn(window, 0);
}

// Windows 10 before 1607 sends child windows no DPI messages unless asked.
void enable_child_dpi_messages(HWND window) {
  OSVERSIONINFOEXW version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  version.dwMajorVersion = 10;
  version.dwMinorVersion = 0;
  version.dwBuildNumber = 14393;
  DWORDLONG condition = 0;
  VER_SET_CONDITION(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
  VER_SET_CONDITION(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
  VER_SET_CONDITION(condition, VER_BUILDNUMBER, VER_LESS);
  if (!VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION | VER_BUILDNUMBER,
                          condition)) {
    return;
  }
  using EnableFn = BOOL(WINAPI*)(HWND, BOOL);
  auto fn = reinterpret_cast<EnableFn>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "EnableChildWindowDpiMessage"));
  if (fn) fn(window, TRUE);
}

void register_input_devices() {
  static lv_indev_drv_t pointer_driver, keypad_driver;
  lv_indev_drv_init(&pointer_driver);
  pointer_driver.type = LV_INDEV_TYPE_POINTER;
  pointer_driver.read_cb = pointer_read;
  pointer_device = lv_indev_drv_register(&pointer_driver);
  lv_indev_set_group(pointer_device, lv_group_get_default());
  lv_indev_drv_init(&keypad_driver);
  keypad_driver.type = LV_INDEV_TYPE_KEYPAD;
  keypad_driver.read_cb = keypad_read;
  keypad_device = lv_indev_drv_register(&keypad_driver);
  lv_indev_set_group(keypad_device, lv_group_get_default());
}

// The panel's full opacity changed (settings load, the opacity control): the
// window takes it scaled by the fade, so a hidden panel stays invisible.
void set_window_alpha(int32_t alpha) { apply_window_alpha(alpha); }

// The panel's EXIT button (toolkit thread): the window thread ends the
// program the orderly way, which hands back whatever was started.
void exit_process(int32_t) { PostMessageW(main_window, WM_CLOSE, 0, 0); }

// The end of the session, once Windows has decided it (a cancelled log-off
// sends WM_QUERYENDSESSION but never this with TRUE): the hardware is handed
// back now, since Windows may end the process as soon as this returns, and
// the process ends itself rather than run on without its hardware.
void on_end_session(WPARAM ending) {
  if (!ending) return;
  end_program(0);
  ExitProcess(0);
}

void on_display_change(HWND window, LPARAM screen_size) {
  PanelRect rect = panel_rect(LOWORD(screen_size), HIWORD(screen_size));
  SetWindowPos(window, HWND_TOPMOST, rect.x, rect.y, rect.width, rect.height, SWP_SHOWWINDOW);
  display_changed = 1;
}

void on_command(WPARAM id) {
  if (LOWORD(id) == MENU_EXIT) PostQuitMessage(0);
  if (LOWORD(id) == MENU_SHOW_HIDE) {
    post_panel_request(panel_visible ? PANEL_REQUEST_HIDE : PANEL_REQUEST_SHOW);
    wake_toolkit();
  }
}

void on_size(WPARAM kind, LPARAM size) {
  if (kind == SIZE_MINIMIZED) return;
  int32_t width = LOWORD(size), height = HIWORD(size);
  if (width != client_width || height != client_height) {
    client_width = width;
    client_height = height;
    resize_pending = 1;
  }
}

void on_create(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  client_width = client.right;
  client_height = client.bottom;
  taskbar_created_message = RegisterWindowMessageA("TaskbarCreated");
  tray_add(window);
}

void on_dpi_changed(HWND window, WPARAM dpi, LPARAM suggested) {
  current_dpi = HIWORD(dpi);
  const RECT* rect = reinterpret_cast<const RECT*>(suggested);
  SetWindowPos(window, nullptr, rect->left, rect->top, rect->right - rect->left,
               rect->bottom - rect->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Messages whose answer is DefWindowProcW's, after doing something first.
// The parameters go on as they came: WM_IME_SETCONTEXT's lParam says which
// parts of the input method's own window to show.
LRESULT on_ime_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_IME_STARTCOMPOSITION) {
    on_ime_start_composition(window);
  } else if (wparam) {
    HIMC context = ImmGetContext(window);
    if (context) {
      ImmAssociateContext(window, context);
      ImmReleaseContext(window, context);
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// A press is followed to its release even outside the window: without the
// capture a finger lifted off the panel's edge would leave the toolkit with
// the pointer held down, and the next touch anywhere would drag.
void on_left_button(HWND window, UINT message, LPARAM point) {
  pointer_point = uint32_t(point);
  pointer_pressed = message == WM_LBUTTONDOWN;
  if (message == WM_LBUTTONDOWN) {
    SetCapture(window);
  } else {
    ReleaseCapture();
  }
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == taskbar_created_message && taskbar_created_message) {
    tray_add(window);
    return 0;
  }
  switch (message) {
    case WM_CREATE: on_create(window); return 0;
    // Alt+F4, End task and the EXIT button close; the message loop then ends
    // and the program ends the orderly way (end_program), the window last.
    case WM_CLOSE: PostQuitMessage(0); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: on_size(wparam, lparam); return 0;
    case WM_SETTINGCHANGE: return 0;
    // Asked whether the session may end: yes, but nothing is released yet;
    // the log-off can still be cancelled.
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: on_end_session(wparam); return 0;
    case WM_DISPLAYCHANGE: on_display_change(window, lparam); return 0;
    case WM_KEYDOWN: case WM_KEYUP: on_key_message(message, wparam); return 0;
    case WM_CHAR: on_char_message(wparam); return 0;
    case WM_IME_STARTCOMPOSITION: case WM_IME_SETCONTEXT:
      return on_ime_message(window, message, wparam, lparam);
    case WM_COMMAND: on_command(wparam); return 0;
    case WM_USER:
      if (LOWORD(lparam) == WM_LBUTTONUP || LOWORD(lparam) == WM_RBUTTONUP) tray_show_menu(window);
      return 0;
    case WM_MOUSEMOVE: case WM_MBUTTONDOWN: case WM_MBUTTONUP:
      pointer_point = uint32_t(lparam);
      return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: on_left_button(window, message, lparam); return 0;
    case WM_CAPTURECHANGED: pointer_pressed = 0; return 0;
    case WM_MOUSEWHEEL: return 0;
    case WM_POWERBROADCAST:
      // Before the panel is built nothing has been applied that could need it.
      if (ui_built && wparam == PBT_APMRESUMESUSPEND) reapply_after_resume();
      if (ui_built && wparam == PBT_APMPOWERSTATUSCHANGE) reapply_after_power_status_change();
      return 0;
    case WM_TOUCH: on_touch_message(window, wparam, lparam); return 0;
    case WM_DPICHANGED: on_dpi_changed(window, wparam, lparam); return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int32_t get_window_dpi() {
  int32_t dpi = -1;
  HMODULE shcore = LoadLibraryW(L"SHCore.dll");
  if (shcore) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    auto fn = reinterpret_cast<GetDpiForMonitorFn>(GetProcAddress(shcore, "GetDpiForMonitor"));
    if (fn) {
      UINT x = 0, y = 0;
      const int MDT_EFFECTIVE_DPI = 0;
      HMONITOR monitor = MonitorFromWindow(main_window, MONITOR_DEFAULTTONEAREST);
      dpi = SUCCEEDED(fn(monitor, MDT_EFFECTIVE_DPI, &x, &y)) ? int32_t(x) : -1;
    }
    FreeLibrary(shcore);
  }
  if (dpi != -1) return dpi;
  HDC dc = GetDC(main_window);
  if (!dc) return 96;
  dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(main_window, dc);
  return dpi == -1 ? 96 : dpi;
}

bool create_main_window(HINSTANCE instance, int show_command) {
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(101));
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hIconSm = icon;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = WINDOW_CLASS;
  if (!RegisterClassExW(&window_class)) return false;

  PanelRect rect = panel_rect();
  main_window = CreateWindowExW(WS_EX_LAYERED | WS_EX_PALETTEWINDOW, WINDOW_CLASS, WINDOW_TITLE,
                                WS_POPUP, rect.x, rect.y, rect.width, rect.height, nullptr,
                                nullptr, instance, nullptr);
  if (!main_window) return false;
  register_touch(main_window);
  enable_child_dpi_messages(main_window);
  current_dpi = get_window_dpi();

  lv_disp_drv_init(&display_driver);
  create_frame_buffer(&display_driver, client_width, client_height);
  // Without a first frame buffer there is nothing the toolkit could draw into.
  if (!frame_bits) return false;
  lv_disp_drv_register(&display_driver);
  lv_group_set_default(lv_group_create());
  register_input_devices();

  // Transparent before anything is shown: a hidden start never flashes the
  // panel, and a normal one fades in from nothing.
  const bool hidden = start_hidden != 0;
  init_panel_fade(hidden);
  host_services.set_window_alpha = set_window_alpha;
  host_services.exit_process = exit_process;
  build_main_panel();

  ShowWindow(main_window, show_command);
  UpdateWindow(main_window);
  if (hidden) SetWindowPos(main_window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return true;
}
