// The fan-curve editor (see fan_curve_screen.h). The chart's series holds
// seven points: 0 and 6 are fixed at 0 and 100 degrees and copy the speed of
// zones 1 and 5, so the curve runs flat below the first zone and above the
// last; points 1..5 are the zones. The arrays are read and written directly.
#include "ui/pages/fan_curve_screen.h"

#include "hardware/fan.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "ui/fan_curve_rules.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_look.h"
#include "ui/screens.h"

namespace {

constexpr uint32_t CURVE_RED = 0xF44336;
constexpr uint32_t MARKER_BLUE = 0x2196F3;

constexpr uint16_t POINT_COUNT = 7;
constexpr lv_coord_t MAJOR_TICK = 10, MINOR_TICK = 5;
constexpr uint16_t LAST_POINT = POINT_COUNT - 1;

// One box below the chart per zone.
struct ZoneBox {
  lv_obj_t* title;
  lv_obj_t* speed;
  lv_obj_t* temperature;
};

lv_obj_t* chart = nullptr;
lv_chart_series_t* series = nullptr;
lv_chart_cursor_t* marker = nullptr;
lv_obj_t* axis_caption = nullptr;
ZoneBox zone_boxes[FAN_ZONE_COUNT] = {};
lv_obj_t* reset_label = nullptr;
lv_obj_t* close_label = nullptr;
lv_obj_t* status_label = nullptr;

uint16_t selected_point = LV_CHART_POINT_NONE;
bool editor_open = false;
// The last reading shown, so a re-layout can put the marker back in place.
bool have_reading = false;
int32_t reading_celsius = 0, reading_percent = 0;

lv_coord_t* point_x() { return lv_chart_get_x_array(chart, series); }
lv_coord_t* point_y() { return lv_chart_get_y_array(chart, series); }

// The chart's content box relative to its top-left corner: where the chart
// puts value 0 (left, bottom) and 100 (right, top).
CurvePlot chart_plot() {
  lv_area_t content;
  lv_obj_get_content_coords(chart, &content);
  lv_area_t outer;
  lv_obj_get_coords(chart, &outer);
  return {content.x1 - outer.x1, content.y1 - outer.y1, lv_area_get_width(&content),
          lv_area_get_height(&content)};
}

int32_t point_pixel_x(uint16_t id) {
  lv_point_t at;
  lv_chart_get_point_pos_by_id(chart, series, id, &at);
  return at.x;
}

// Zone n's values are points n; the end points copy the outer zones' speeds.
void put_zones_on_chart(const int32_t speeds[FAN_ZONE_COUNT], const int32_t temperatures[FAN_ZONE_COUNT]) {
  lv_coord_t* x = point_x();
  lv_coord_t* y = point_y();
  for (int n = 1; n <= FAN_ZONE_COUNT; ++n) {
    x[n] = lv_coord_t(clamp_fan_zone_value(temperatures[n - 1]));
    y[n] = lv_coord_t(clamp_fan_zone_value(speeds[n - 1]));
  }
  x[0] = 0;
  y[0] = y[1];
  x[LAST_POINT] = 100;
  y[LAST_POINT] = y[FAN_ZONE_COUNT];
  lv_chart_refresh(chart);
}

// The boxes show what the EC gets: values held to 0..100, also while a
// point is dragged above or below the chart.
void show_zone_labels() {
  const lv_coord_t* x = point_x();
  const lv_coord_t* y = point_y();
  for (int n = 1; n <= FAN_ZONE_COUNT; ++n) {
    lv_label_set_text_fmt(zone_boxes[n - 1].speed, "%d%%", int(clamp_fan_zone_value(y[n])));
    lv_label_set_text_fmt(zone_boxes[n - 1].temperature, "%d°C", int(clamp_fan_zone_value(x[n])));
  }
}

void select_point() {
  selected_point = LV_CHART_POINT_NONE;
  lv_indev_t* indev = lv_indev_get_act();
  if (!indev) return;
  lv_point_t pointer;
  lv_indev_get_point(indev, &pointer);
  lv_area_t outer;
  lv_obj_get_coords(chart, &outer);
  int32_t xs[POINT_COUNT];
  for (uint16_t id = 0; id < POINT_COUNT; ++id) xs[id] = point_pixel_x(id);
  const int index = curve_point_left_of(xs, POINT_COUNT, pointer.x - outer.x1);
  selected_point = index < 0 ? LV_CHART_POINT_NONE : uint16_t(index);
}

// The end points never move; a zone follows the pointer within its
// neighbours (fan_curve_rules.h), and the end points follow its speed.
void drag_selected_point() {
  const uint16_t i = selected_point;
  if (i == 0 || i >= LAST_POINT) return;
  lv_indev_t* indev = lv_indev_get_act();
  if (!indev) return;
  lv_point_t pointer;
  lv_indev_get_point(indev, &pointer);
  lv_area_t outer;
  lv_obj_get_coords(chart, &outer);
  lv_coord_t* x = point_x();
  lv_coord_t* y = point_y();
  int32_t temperature = 0, speed = 0;
  if (drag_curve_point(chart_plot(), point_pixel_x(uint16_t(i - 1)), point_pixel_x(uint16_t(i + 1)),
                       pointer.x - outer.x1, pointer.y - outer.y1, &temperature, &speed)) {
    x[i] = lv_coord_t(temperature);
    y[i] = lv_coord_t(speed);
    y[0] = y[1];
    y[LAST_POINT] = y[FAN_ZONE_COUNT];
    lv_chart_refresh(chart);
  }
  show_zone_labels();
}

// The release: the five zones, held to 0..100, go to the EC and then to the
// registry (speed, then temperature, zone by zone). The chart keeps what
// was dragged, so a point above the chart stays there until the next drag.
void commit_fan_curve() {
  const lv_coord_t* x = point_x();
  const lv_coord_t* y = point_y();
  int32_t speeds[FAN_ZONE_COUNT], temperatures[FAN_ZONE_COUNT];
  for (int n = 1; n <= FAN_ZONE_COUNT; ++n) {
    speeds[n - 1] = clamp_fan_zone_value(y[n]);
    temperatures[n - 1] = clamp_fan_zone_value(x[n]);
  }
  apply_fan_zones(speeds, temperatures);
  for (int n = 1; n <= FAN_ZONE_COUNT; ++n) store_fan_zone(n, speeds[n - 1], temperatures[n - 1]);
  show_zone_labels();
  lv_obj_invalidate(chart);
}

// A faded area under each segment of the curve: kept below the segment by a
// line mask, fading from the top eighth of the chart down to its bottom.
void draw_area_under_segment(lv_event_t* event) {
  lv_obj_draw_part_dsc_t* part = lv_event_get_draw_part_dsc(event);
  if (part->part != LV_PART_ITEMS || !part->p1 || !part->p2 || !part->line_dsc) return;
  // A zone at 0 C stands on the left end point: nothing lies under a
  // segment without width, and a line mask needs two distinct points.
  if (part->p2->x <= part->p1->x) return;
  lv_area_t outer;
  lv_obj_get_coords(chart, &outer);
  const lv_coord_t height = lv_obj_get_height(chart);

  lv_draw_mask_line_param_t below_line;
  lv_draw_mask_line_points_init(&below_line, part->p1->x, part->p1->y, part->p2->x, part->p2->y,
                                LV_DRAW_MASK_LINE_SIDE_BOTTOM);
  const int16_t line_id = lv_draw_mask_add(&below_line, nullptr);
  lv_draw_mask_fade_param_t fade;
  lv_draw_mask_fade_init(&fade, &outer, LV_OPA_COVER, lv_coord_t(outer.y1 + height / 8), LV_OPA_20,
                         outer.y2);
  const int16_t fade_id = lv_draw_mask_add(&fade, nullptr);

  lv_draw_rect_dsc_t fill;
  lv_draw_rect_dsc_init(&fill);
  fill.bg_color = part->line_dsc->color;
  fill.bg_opa = LV_OPA_20;
  lv_area_t area = {part->p1->x, LV_MIN(part->p1->y, part->p2->y), lv_coord_t(part->p2->x - 1),
                    outer.y2};
  lv_draw_rect(part->draw_ctx, &fill, &area);

  lv_draw_mask_free_param(&below_line);
  lv_draw_mask_free_param(&fade);
  lv_draw_mask_remove_id(line_id);
  lv_draw_mask_remove_id(fade_id);
}

// How far past its edges the chart draws: at least 20 pixels for the
// points and lines on the border, and on the left the widest tick label
// ("100") beyond its tick, which the axis's own allowance of 50 pixels
// leaves cut off in the larger fonts.
lv_coord_t tick_label_reach() {
  lv_point_t size;
  lv_txt_get_size(&size, "100", lv_obj_get_style_text_font(chart, LV_PART_TICKS), 0, 0, LV_COORD_MAX,
                  LV_TEXT_FLAG_NONE);
  const lv_coord_t reach =
      lv_coord_t(1 + MAJOR_TICK + lv_obj_get_style_pad_left(chart, LV_PART_TICKS) + size.x);
  return LV_MAX(reach, 20);
}

void fan_curve_event(lv_event_t* event) {
  switch (lv_event_get_code(event)) {
    case LV_EVENT_PRESSED:
      select_point();
      break;
    case LV_EVENT_PRESSING:
      drag_selected_point();
      break;
    case LV_EVENT_RELEASED:
      commit_fan_curve();
      break;
    case LV_EVENT_REFR_EXT_DRAW_SIZE:
      lv_event_set_ext_draw_size(event, tick_label_reach());
      break;
    case LV_EVENT_DRAW_PART_BEGIN:
      draw_area_under_segment(event);
      break;
    default:
      break;
  }
}

void reset_fan_curve(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_CLICKED) return;
  int32_t speeds[FAN_ZONE_COUNT], temperatures[FAN_ZONE_COUNT];
  for (int n = 0; n < FAN_ZONE_COUNT; ++n) {
    speeds[n] = DEFAULT_FAN_CURVE[n].speed;
    temperatures[n] = DEFAULT_FAN_CURVE[n].temperature;
  }
  put_zones_on_chart(speeds, temperatures);
  lv_event_send(chart, LV_EVENT_RELEASED, nullptr);
}

// Commits once more (a drag may still be open when "Close" is hit), then
// slides the main screen back.
void close_fan_curve_editor(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_CLICKED) return;
  lv_event_send(chart, LV_EVENT_RELEASED, nullptr);
  back_to_main_screen(event);
  editor_open = false;
}

void build_chart() {
  chart = lv_chart_create(fan_curve_screen);
  lv_obj_set_size(chart, layout_chart_width, layout_chart_height);
  lv_obj_align(chart, LV_ALIGN_TOP_MID, 0, lv_pct(5));
  lv_chart_set_div_line_count(chart, 11, 11);
  lv_chart_set_type(chart, LV_CHART_TYPE_SCATTER);
  lv_chart_set_point_count(chart, POINT_COUNT);
  lv_obj_set_style_line_width(chart, 2, LV_PART_ITEMS);
  lv_obj_set_style_width(chart, 10, LV_PART_INDICATOR);
  lv_obj_set_style_height(chart, 10, LV_PART_INDICATOR);
  lv_chart_set_axis_tick(chart, LV_CHART_AXIS_PRIMARY_X, MAJOR_TICK, MINOR_TICK, 11, 6, true, 50);
  lv_chart_set_axis_tick(chart, LV_CHART_AXIS_PRIMARY_Y, MAJOR_TICK, MINOR_TICK, 11, 6, true, 50);
  lv_obj_set_style_text_font(chart, font_normal, LV_PART_TICKS);
  lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_X, 0, 100);
  lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_Y, 0, 100);
  lv_obj_add_event_cb(chart, fan_curve_event, LV_EVENT_ALL, nullptr);
  lv_obj_refresh_ext_draw_size(chart);

  marker = lv_chart_add_cursor(chart, lv_color_hex(MARKER_BLUE), LV_DIR_LEFT | LV_DIR_BOTTOM);
  series = lv_chart_add_series(chart, lv_color_hex(CURVE_RED), LV_CHART_AXIS_PRIMARY_Y);
  int32_t speeds[FAN_ZONE_COUNT], temperatures[FAN_ZONE_COUNT];
  for (int n = 0; n < FAN_ZONE_COUNT; ++n) {
    speeds[n] = fan_zones[n].speed;
    temperatures[n] = fan_zones[n].temperature;
  }
  put_zones_on_chart(speeds, temperatures);

  axis_caption = lv_label_create(chart);
  lv_obj_set_style_text_font(axis_caption, font_normal, 0);
  lv_label_set_text(axis_caption, tr("Temperature °C", "温度 °C"));
  lv_obj_align(axis_caption, LV_ALIGN_BOTTOM_MID, 0, 0);
}

lv_obj_t* box_label(lv_obj_t* box, lv_align_t align) {
  lv_obj_t* label = lv_label_create(box);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_obj_align(label, align, 0, 0);
  return label;
}

void build_zone_boxes() {
  static const lv_coord_t BOX_X[FAN_ZONE_COUNT] = {-34, -17, 0, 17, 34};
  for (int n = 0; n < FAN_ZONE_COUNT; ++n) {
    lv_obj_t* box = lv_obj_create(fan_curve_screen);
    lv_obj_set_size(box, lv_pct(15), lv_pct(20));
    lv_obj_align(box, LV_ALIGN_TOP_MID, lv_pct(BOX_X[n]), lv_pct(65));
    lv_obj_clear_flag(box, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_set_style_bg_color(box, lv_color_hex(look::PANEL_GREY), 0);
    lv_obj_set_style_bg_opa(box, LV_OPA_COVER, 0);
    lv_obj_set_style_border_side(box, LV_BORDER_SIDE_NONE, 0);
    ZoneBox& labels = zone_boxes[n];
    labels.title = box_label(box, LV_ALIGN_TOP_MID);
    lv_label_set_text_fmt(labels.title, tr("Zone %d", "分区%d"), n + 1);
    labels.speed = box_label(box, LV_ALIGN_CENTER);
    labels.temperature = box_label(box, LV_ALIGN_BOTTOM_MID);
  }
  show_zone_labels();
}

lv_obj_t* editor_button(lv_coord_t x, const char* text, lv_event_cb_t clicked) {
  lv_obj_t* button = lv_btn_create(fan_curve_screen);
  lv_obj_set_size(button, lv_pct(20), LV_SIZE_CONTENT);
  lv_obj_align(button, LV_ALIGN_TOP_MID, x, lv_pct(90));
  style_grey_button(button);
  lv_obj_t* label = lv_label_create(button);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_label_set_text(label, text);
  lv_obj_center(label);
  lv_obj_add_event_cb(button, clicked, LV_EVENT_ALL, nullptr);
  return label;
}

void show_status(int32_t celsius, int32_t percent) {
  lv_label_set_text_fmt(status_label, tr("Temperature: %d°C\nSpeed: %d%%", "温度: %d°C\n速度: %d%%"),
                        int(celsius), int(percent));
}

void place_marker() {
  int32_t x = 0, y = 0;
  curve_reading_position(chart_plot(), reading_celsius, reading_percent, &x, &y);
  lv_point_t at = {lv_coord_t(x), lv_coord_t(y)};
  lv_chart_set_cursor_pos(chart, marker, &at);
}

}  // namespace

void build_fan_curve_screen() {
  selected_point = LV_CHART_POINT_NONE;
  editor_open = false;
  have_reading = false;
  lv_obj_clear_flag(fan_curve_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(fan_curve_screen, lv_color_hex(look::SCREEN_BLACK), 0);
  build_chart();
  build_zone_boxes();
  reset_label = editor_button(lv_pct(-30), tr("Reset", "重置"), reset_fan_curve);
  close_label = editor_button(lv_pct(30), tr("Close", "关闭"), close_fan_curve_editor);

  status_label = lv_label_create(fan_curve_screen);
  lv_obj_set_style_text_font(status_label, font_normal, 0);
  lv_obj_set_style_text_align(status_label, LV_TEXT_ALIGN_CENTER, 0);
  lv_obj_align(status_label, LV_ALIGN_TOP_MID, 0, lv_pct(90));
  show_status(0, 0);

  // The stored zones reach the EC (and the registry) once at start-up.
  lv_event_send(chart, LV_EVENT_RELEASED, nullptr);
}

void open_fan_curve_editor() {
  editor_open = true;
  open_sub_screen(fan_curve_screen);
}

bool fan_curve_editor_open() { return editor_open; }

void show_fan_curve_reading(int32_t celsius, int32_t percent) {
  if (!chart) return;
  have_reading = true;
  reading_celsius = celsius;
  reading_percent = percent;
  show_status(celsius, percent);
  place_marker();
}

void relayout_fan_curve_screen() {
  if (!chart) return;
  lv_obj_set_size(chart, layout_chart_width, layout_chart_height);
  // The axis labels follow the tier's font, and the chart's drawing reach
  // follows them.
  lv_obj_set_style_text_font(chart, font_normal, LV_PART_TICKS);
  lv_obj_refresh_ext_draw_size(chart);
  lv_obj_update_layout(chart);
  if (have_reading) place_marker();
  lv_obj_set_style_text_font(axis_caption, font_normal, 0);
  for (const ZoneBox& box : zone_boxes) {
    lv_obj_set_style_text_font(box.title, font_normal, 0);
    lv_obj_set_style_text_font(box.speed, font_normal, 0);
    lv_obj_set_style_text_font(box.temperature, font_normal, 0);
  }
  lv_obj_set_style_text_font(reset_label, font_normal, 0);
  lv_obj_set_style_text_font(close_label, font_normal, 0);
  lv_obj_set_style_text_font(status_label, font_normal, 0);
}
