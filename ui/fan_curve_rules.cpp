#include "ui/fan_curve_rules.h"

namespace {

int32_t clamp_to_axis(int32_t value) { return value < 0 ? 0 : (value > 100 ? 100 : value); }

// Where the chart draws a value, in pixels from the plot's left or bottom
// edge: value * span / 100, truncated as the chart does.
int32_t drawn_at(int32_t value, int32_t span) { return int32_t(int64_t(value) * span / 100); }

int32_t floor_div(int64_t a, int64_t b) { return int32_t(a >= 0 ? a / b : -((-a + b - 1) / b)); }

// The value the chart draws nearest to a pixel distance from the plot's
// edge (the lower one on a tie). Pressing on a point therefore gives its
// own value back: a plain division would truncate a pixel or two below it
// into the value below, and a tap would move the point.
int32_t value_nearest(int32_t distance, int32_t span) {
  const int32_t below = floor_div(int64_t(distance) * 100, span);
  const int32_t above = below + 1;
  const int32_t miss_below = distance - drawn_at(below, span);
  const int32_t miss_above = drawn_at(above, span) - distance;
  return miss_above < miss_below ? above : below;
}

}  // namespace

int curve_point_left_of(const int32_t* point_x, int count, int32_t pointer_x) {
  int left_of_pointer = 0;
  for (int i = 0; i < count; ++i) {
    if (point_x[i] < pointer_x) left_of_pointer++;
  }
  return left_of_pointer - 1;
}

bool drag_curve_point(const CurvePlot& plot, int32_t left_x, int32_t right_x, int32_t pointer_x,
                      int32_t pointer_y, int32_t* temperature, int32_t* speed) {
  if (plot.width <= 0 || plot.height <= 0) return false;
  if (pointer_x < left_x + CURVE_POINT_GAP || pointer_x > right_x - CURVE_POINT_GAP) return false;
  const int32_t new_temperature = value_nearest(pointer_x - plot.left, plot.width);
  const int32_t new_speed = value_nearest(plot.top + plot.height - pointer_y, plot.height);
  // The point lands up to half a degree's pixels off the pointer; it is the
  // point that must keep the gap (and so stay strictly between its
  // neighbours' temperatures).
  const int32_t new_x = plot.left + drawn_at(new_temperature, plot.width);
  if (new_x < left_x + CURVE_POINT_GAP || new_x > right_x - CURVE_POINT_GAP) return false;
  *temperature = new_temperature;
  *speed = new_speed;
  return true;
}

void curve_reading_position(const CurvePlot& plot, int32_t temperature, int32_t speed,
                            int32_t* x, int32_t* y) {
  *x = plot.left + drawn_at(clamp_to_axis(temperature), plot.width);
  *y = plot.top + plot.height - drawn_at(clamp_to_axis(speed), plot.height);
}
