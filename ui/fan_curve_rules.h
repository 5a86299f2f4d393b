// The fan-curve editor's geometry and hit rules, without widgets: which
// point a press takes, where a dragged point may go, and where the live
// marker stands. Pixel positions are relative to the chart's top-left
// corner, as the chart reports its points; values are on the chart's
// 0..100 axes (x temperature in degrees C, y fan speed in percent).
#pragma once

#include <cstdint>

// A zone may come no closer than this to either neighbour, in pixels, which
// keeps the zones in ascending temperature order and apart enough to grab.
constexpr int32_t CURVE_POINT_GAP = 10;

// The chart's plot area (its content box) relative to its top-left corner.
struct CurvePlot {
  int32_t left, top, width, height;
};

/**
 * The point a press takes: the rightmost one strictly left of the pointer
 * (not the nearest), so a press just right of a zone takes that zone.
 * @param point_x    pixel x of the points, left to right
 * @param count      number of points
 * @param pointer_x  pixel x of the press
 * @return the point's index, -1 when the press is left of every point
 */
int curve_point_left_of(const int32_t* point_x, int count, int32_t pointer_x);

/**
 * Where a zone dragged to the pointer goes: the values the chart draws
 * nearest to the pointer, so a point pressed where it stands keeps its
 * values. It moves only while both the pointer and the point it would place
 * keep CURVE_POINT_GAP pixels from the neighbours' points; otherwise it
 * stays where it was (both values), so it can never meet or pass a
 * neighbour. The speed is not clamped (above the plot it exceeds 100, below
 * it is negative): the commit clamps. A plot without width or height (a
 * chart not laid out yet) moves nothing.
 * @param left_x, right_x  pixel x of the neighbouring points
 * @return true and the new values in *temperature / *speed, or false
 */
bool drag_curve_point(const CurvePlot& plot, int32_t left_x, int32_t right_x, int32_t pointer_x,
                      int32_t pointer_y, int32_t* temperature, int32_t* speed);

/**
 * Pixel position of a reading (temperature, speed) on the plot, for the
 * live marker: the same mapping the chart uses for its points, with both
 * values held to 0..100 so the marker stays on the plot.
 */
void curve_reading_position(const CurvePlot& plot, int32_t temperature, int32_t speed,
                            int32_t* x, int32_t* y);
