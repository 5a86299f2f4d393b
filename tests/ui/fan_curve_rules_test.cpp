// The curve editor's hit and drag rules on a plot like the widest tier's:
// the content box 40 px in and 700 x 400 px, so one degree or percent is
// 7 px across and 4 px up.
#include <gtest/gtest.h>

#include "ui/fan_curve_rules.h"

namespace {

const CurvePlot PLOT = {40, 20, 700, 400};

// The default curve's points at 0, 20, 50, 60, 70, 90, 100 degrees.
const int32_t POINTS_X[7] = {40, 180, 390, 460, 530, 670, 740};

TEST(FanCurveRules, a_press_takes_the_rightmost_point_strictly_left_of_the_pointer) {
  struct Case {
    const char* where;
    int32_t pointer_x;
    int point;
  } cases[] = {
      {"left of the first point", 10, -1},
      {"on the first point", 40, -1},
      {"between the end point and zone 1", 100, 0},
      {"just right of zone 1, nearer zone 1", 181, 1},
      {"just left of zone 3, nearer zone 3", 459, 2},
      {"on zone 3", 460, 2},
      {"between zone 5 and the end point", 700, 5},
      {"right of the last point", 800, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(curve_point_left_of(POINTS_X, 7, c.pointer_x), c.point);
  }
}

// Zone 3 between zone 2 (50 degrees, drawn at 390 px) and zone 4 (moved to
// 70 degrees, 530 px) on PLOT; the pointer at (x, y).
TEST(FanCurveRules, a_dragged_zone_follows_the_pointer_but_keeps_ten_pixels_from_its_neighbours) {
  struct Case {
    const char* what;
    int32_t pointer_x, pointer_y;
    bool moves;
    int32_t temperature, speed;
  } cases[] = {
      {"on a drawn value: that value", 460, 180, true, 60, 60},
      {"a pixel or two off a drawn value: still that value", 462, 181, true, 60, 60},
      {"nearer the next degree: the next degree", 465, 220, true, 61, 50},
      {"ten pixels right of zone 2, but the point would land at seven", 400, 220, false, 0, 0},
      {"fifteen pixels right of zone 2: the point lands at fourteen", 405, 220, true, 52, 50},
      {"nine pixels right of zone 2", 399, 220, false, 0, 0},
      {"on zone 2", 390, 220, false, 0, 0},
      {"past zone 2", 300, 220, false, 0, 0},
      {"ten pixels left of zone 4, but the point would land at seven", 520, 220, false, 0, 0},
      {"fifteen pixels left of zone 4: the point lands at fourteen", 515, 220, true, 68, 50},
      {"past zone 4", 600, 220, false, 0, 0},
      {"above the chart: more than 100 %", 460, 0, true, 60, 105},
      {"below the chart: less than 0 %", 460, 440, true, 60, -5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int32_t temperature = -99, speed = -99;
    EXPECT_EQ(drag_curve_point(PLOT, 390, 530, c.pointer_x, c.pointer_y, &temperature, &speed), c.moves);
    EXPECT_EQ(temperature, c.moves ? c.temperature : -99);
    EXPECT_EQ(speed, c.moves ? c.speed : -99);
  }
}

TEST(FanCurveRules, a_drag_never_lands_on_a_neighbour_nor_divides_by_nothing) {
  struct Case {
    const char* what;
    CurvePlot plot;
    int32_t left_x, right_x, pointer_x;
  } cases[] = {
      // 20 px a degree: ten pixels right of zone 2 (50 degrees, 1000 px) is
      // as near 50 as 51, and 50 is zone 2's own place.
      {"a plot of twenty pixels a degree", {0, 0, 2000, 400}, 1000, 1400, 1010},
      {"a plot not laid out yet", {0, 0, 0, 0}, 0, 0, 5},
      {"a plot with no height", {40, 20, 700, 0}, 390, 530, 460},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int32_t temperature = -99, speed = -99;
    EXPECT_FALSE(
        drag_curve_point(c.plot, c.left_x, c.right_x, c.pointer_x, 10, &temperature, &speed));
    EXPECT_EQ(temperature, -99);
  }
}

TEST(FanCurveRules, the_live_marker_lands_where_the_chart_draws_that_reading) {
  struct Case {
    int32_t temperature, speed, x, y;
  } cases[] = {
      {0, 0, 40, 420},      {100, 100, 740, 20}, {60, 50, 460, 220},
      {-10, 150, 40, 20},   {250, -3, 740, 420},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.temperature << " C " << c.speed << " %");
    int32_t x = 0, y = 0;
    curve_reading_position(PLOT, c.temperature, c.speed, &x, &y);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

}  // namespace
