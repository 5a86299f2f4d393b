#include "shell/panel_geometry.h"

PanelRect panel_rect_for_work_area(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  int32_t work_width = right - left;
  int32_t work_height = bottom - top;
  int32_t width = work_width <= work_height ? work_width : work_width / 2;
  return {right - width, top, width, work_height};
}
