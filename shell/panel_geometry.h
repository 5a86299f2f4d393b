// Where the panel sits: the right half of the work area in landscape, all of
// it when the work area is taller than wide.
#pragma once

#include <cstdint>

struct PanelRect {
  int32_t x, y, width, height;
};

PanelRect panel_rect_for_work_area(int32_t left, int32_t top, int32_t right, int32_t bottom);
