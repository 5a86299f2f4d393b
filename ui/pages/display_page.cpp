// The display page (see display_page.h). The lists are built once, from the
// modes Windows enumerates at start-up; every list child stands at the index
// of its entry in mode_list_16_9 or mode_list_4_3 (headers included), which
// is how a click finds its mode.
#include "ui/pages/display_page.h"

#include <vector>

#include "hardware/display.h"
#include "hardware/display_modes.h"
#include "hardware/hardware_state.h"
#include "ui/assets/ui_images.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_look.h"
#include "ui/screens.h"

namespace {

// One mode list on screen: the list widget, its entries, and the row the
// last click picked (ticked), which starts as the first row (a header).
struct ModeListView {
  lv_obj_t* list;
  const std::vector<ModeEntry>* entries;
  lv_obj_t* checked;
};

lv_obj_t* tile_icon = nullptr;
lv_obj_t* tile_caption = nullptr;
lv_obj_t* tile_mode_label = nullptr;
lv_obj_t* screen_title = nullptr;
lv_obj_t* screen_mode_label = nullptr;
lv_obj_t* content_box = nullptr;
lv_obj_t* tab_view = nullptr;
lv_obj_t* back_label = nullptr;
ModeListView view_16_9 = {nullptr, &mode_list_16_9, nullptr};
ModeListView view_4_3 = {nullptr, &mode_list_4_3, nullptr};

void show_current_mode() {
  lv_label_set_text_fmt(tile_mode_label, "%d X %d %d Hz", int(current_long_side),
                        int(current_short_side), int(current_refresh));
  lv_label_set_text_fmt(screen_mode_label, "%d X %d %dHz", int(current_long_side),
                        int(current_short_side), int(current_refresh));
}

void open_display_screen(lv_event_t* event) {
  if (lv_event_get_code(event) == LV_EVENT_CLICKED) open_sub_screen(display_screen);
}

// Ticks the remembered row and no other, so the list never shows two.
void tick_checked_row(const ModeListView& view) {
  const uint32_t count = lv_obj_get_child_cnt(view.list);
  for (uint32_t i = 0; i < count; ++i) {
    lv_obj_t* child = lv_obj_get_child(view.list, int32_t(i));
    if (child == view.checked) {
      lv_obj_add_state(child, LV_STATE_CHECKED);
    } else {
      lv_obj_clear_state(child, LV_STATE_CHECKED);
    }
  }
}

// A tap on a mode row. A second tap on the ticked row only takes the tick
// away; a tap on the mode in force ticks it and changes nothing. Otherwise
// the display switches; if Windows refuses the mode, the tick goes again so
// the list does not claim a mode that is not in force, and the next tap
// tries once more.
void mode_row_clicked(lv_event_t* event, ModeListView* view) {
  if (lv_event_get_code(event) != LV_EVENT_CLICKED) return;
  lv_obj_t* row = lv_event_get_current_target(event);
  view->checked = view->checked == row ? nullptr : row;
  tick_checked_row(*view);
  if (!view->checked) return;
  const ModeRequest request =
      mode_request_for_row(*view->entries, lv_obj_get_index(row), current_long_side,
                           current_short_side, current_refresh);
  if (!request.apply) return;
  if (!set_display_mode(request.width, request.height, request.refresh)) {
    view->checked = nullptr;
    tick_checked_row(*view);
  }
}

void mode_16_9_clicked(lv_event_t* event) { mode_row_clicked(event, &view_16_9); }
void mode_4_3_clicked(lv_event_t* event) { mode_row_clicked(event, &view_4_3); }

void style_mode_row(lv_obj_t* row) {
  lv_obj_set_style_bg_color(row, lv_color_hex(look::CONTROL_GREY), 0);
  lv_obj_set_style_bg_opa(row, LV_OPA_COVER, 0);
  lv_obj_set_style_text_color(row, lv_color_hex(look::TEXT_GREY), 0);
  lv_obj_set_style_radius(row, 12, 0);
  lv_obj_set_style_border_side(row, LV_BORDER_SIDE_NONE, 0);
  lv_obj_set_style_bg_color(row, lv_color_hex(look::ACCENT_RED), LV_STATE_CHECKED);
  lv_obj_set_style_text_color(row, lv_color_white(), LV_STATE_CHECKED);
}

void style_rate_header(lv_obj_t* header) {
  lv_obj_set_style_bg_opa(header, LV_OPA_TRANSP, 0);
  lv_obj_set_style_text_color(header, lv_color_hex(look::HEADER_GREY), 0);
}

// Rows in entry order: a header entry becomes a "%dHz" text row, any other a
// mode button. Mode buttons leave the input group: they are for touch and
// the pointer, and a keypad walking through dozens of them would bury the
// tab and "Back" buttons.
void fill_mode_list(lv_obj_t* list, const std::vector<ModeEntry>& entries, lv_event_cb_t clicked) {
  for (const ModeEntry& entry : entries) {
    char text[32];
    if (is_rate_header(entry)) {
      lv_snprintf(text, sizeof(text), "%dHz", int(entry.refresh));
      style_rate_header(lv_list_add_text(list, text));
      continue;
    }
    lv_snprintf(text, sizeof(text), "   %d X %d", int(entry.long_side), int(entry.short_side));
    lv_obj_t* row = lv_list_add_btn(list, nullptr, text);
    lv_obj_set_width(row, lv_pct(100));
    lv_obj_add_event_cb(row, clicked, LV_EVENT_ALL, nullptr);
    lv_group_remove_obj(row);
    style_mode_row(row);
  }
}

lv_obj_t* create_mode_list(lv_obj_t* tab) {
  lv_obj_t* list = lv_list_create(tab);
  lv_obj_set_size(list, lv_pct(100), lv_pct(100));
  lv_obj_set_style_pad_row(list, 10, 0);
  lv_obj_set_style_bg_opa(list, LV_OPA_TRANSP, 0);
  lv_obj_set_style_border_side(list, LV_BORDER_SIDE_NONE, 0);
  return list;
}

void build_mode_tabs() {
  build_mode_lists();
  tab_view = lv_tabview_create(content_box, LV_DIR_TOP, 60);
  lv_obj_set_style_bg_opa(tab_view, LV_OPA_TRANSP, 0);
  lv_obj_set_style_bg_color(lv_tabview_get_tab_btns(tab_view), lv_color_hex(look::PANEL_GREY), 0);
  lv_obj_t* tab_16_9 = lv_tabview_add_tab(tab_view, "16:9");
  lv_obj_t* tab_4_3 = lv_tabview_add_tab(tab_view, "4:3");
  view_16_9.list = create_mode_list(tab_16_9);
  view_4_3.list = create_mode_list(tab_4_3);
  fill_mode_list(view_16_9.list, mode_list_16_9, mode_16_9_clicked);
  fill_mode_list(view_4_3.list, mode_list_4_3, mode_4_3_clicked);
  view_16_9.checked = lv_obj_get_child(view_16_9.list, 0);
  view_4_3.checked = lv_obj_get_child(view_4_3.list, 0);
}

void build_back_button() {
  lv_obj_t* back = lv_btn_create(display_screen);
  lv_obj_set_size(back, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(back, LV_ALIGN_TOP_MID, 0, lv_pct(90));
  style_grey_button(back);
  back_label = lv_label_create(back);
  lv_obj_set_style_text_font(back_label, font_message, 0);
  lv_label_set_text(back_label, tr("Back", "返回"));
  lv_obj_center(back_label);
  lv_obj_add_event_cb(back, back_to_main_screen, LV_EVENT_ALL, nullptr);
}

lv_obj_t* tile_label(lv_obj_t* panel, lv_align_t align, lv_coord_t y) {
  lv_obj_t* label = lv_label_create(panel);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(label, align, lv_pct(35), y);
  lv_obj_set_style_text_color(label, lv_color_hex(look::TEXT_GREY), 0);
  lv_obj_set_style_text_font(label, font_normal, 0);
  return label;
}

lv_obj_t* screen_label(lv_coord_t y) {
  lv_obj_t* label = lv_label_create(display_screen);
  lv_obj_set_style_text_font(label, font_large, 0);
  lv_obj_align(label, LV_ALIGN_TOP_MID, 0, y);
  return label;
}

}  // namespace

void build_resolution_tile(lv_obj_t* parent) {
  lv_obj_t* panel = create_tile(parent, lv_pct(44), lv_pct(14), lv_pct(-24), lv_pct(84));

  lv_obj_t* button = lv_btn_create(panel);
  lv_obj_set_size(button, lv_pct(25), lv_pct(80));
  lv_obj_align(button, LV_ALIGN_LEFT_MID, lv_pct(5), 0);
  style_grey_button(button);
  lv_obj_add_event_cb(button, open_display_screen, LV_EVENT_ALL, nullptr);

  tile_icon = lv_img_create(button);
  lv_img_set_src(tile_icon, &ui_image_resolution);
  lv_obj_set_size(tile_icon, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_center(tile_icon);
  lv_obj_add_flag(tile_icon, LV_OBJ_FLAG_ADV_HITTEST);
  lv_obj_clear_flag(tile_icon, LV_OBJ_FLAG_SCROLLABLE);
  lv_img_set_zoom(tile_icon, uint16_t(layout_zoom));

  tile_caption = tile_label(panel, LV_ALIGN_TOP_LEFT, lv_pct(25));
  lv_label_set_text(tile_caption, tr("Resolution", "分辨率"));
  tile_mode_label = tile_label(panel, LV_ALIGN_BOTTOM_LEFT, lv_pct(-25));
  lv_label_set_text_fmt(tile_mode_label, "%d X %d %d Hz", int(current_long_side),
                        int(current_short_side), int(current_refresh));
}

void build_display_screen() {
  lv_obj_clear_flag(display_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(display_screen, lv_color_hex(0x101010), 0);
  screen_title = screen_label(lv_pct(2));
  lv_label_set_text(screen_title, tr("Resolution", "分辨率"));
  screen_mode_label = screen_label(lv_pct(8));
  lv_label_set_text_fmt(screen_mode_label, "%d X %d %dHz", int(current_long_side),
                        int(current_short_side), int(current_refresh));

  content_box = lv_obj_create(display_screen);
  lv_obj_set_size(content_box, lv_pct(90), lv_pct(70));
  lv_obj_align(content_box, LV_ALIGN_TOP_MID, 0, lv_pct(15));
  lv_obj_clear_flag(content_box, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_pad_all(content_box, 0, 0);
  lv_obj_set_style_bg_opa(content_box, LV_OPA_TRANSP, 0);
  lv_obj_set_style_border_side(content_box, LV_BORDER_SIDE_NONE, 0);

  build_mode_tabs();
  build_back_button();
}

void relayout_display_page() {
  lv_img_set_zoom(tile_icon, uint16_t(layout_zoom));
  lv_obj_set_style_text_font(tile_caption, font_normal, 0);
  lv_obj_set_style_text_font(tile_mode_label, font_normal, 0);
  // The screen's headings are built in the large font and shown in the
  // message font from the first tier selection on (about 100 ms after
  // start), the same size as "Back".
  lv_obj_set_style_text_font(screen_title, font_message, 0);
  lv_obj_set_style_text_font(screen_mode_label, font_message, 0);
  lv_obj_set_style_text_font(back_label, font_message, 0);
  show_current_mode();
}
