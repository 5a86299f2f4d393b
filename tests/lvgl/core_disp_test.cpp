// Display refresh, the replaceable blend step and screen loading.
#include "test_display.h"

#include <algorithm>

namespace {

class DispTest : public DisplayTest {};

// A flat UI (opaque rectangles without radius, opaque images) reaches the
// replaced blend step as opaque solid fills and opaque image copies, which a
// host can hand to the OS; anything else must go to lv_draw_sw_blend_basic.
TEST_F(DispTest, replaced_blend_gets_opaque_fills_and_copies_for_a_flat_ui)
{
    struct Seen {
        int fills = 0;
        int copies = 0;
        int other = 0;
    } seen;
    display.blend_hook = [&seen](lv_draw_ctx_t * ctx, const lv_draw_sw_blend_dsc_t * dsc) {
        bool masked = dsc->mask_buf != nullptr && dsc->mask_res != LV_DRAW_MASK_RES_FULL_COVER;
        bool simple = !masked && dsc->opa >= LV_OPA_MAX && dsc->blend_mode == LV_BLEND_MODE_NORMAL;
        if(!simple) seen.other++;
        else if(dsc->src_buf) seen.copies++;
        else seen.fills++;
        lv_draw_sw_blend_basic(ctx, dsc);
    };

    static lv_color_t img_px[16 * 8];
    for(auto & p : img_px) p = lv_color_hex(0x30A0F0);
    static lv_img_dsc_t img_dsc;
    img_dsc.header.cf = LV_IMG_CF_TRUE_COLOR;
    img_dsc.header.w = 16;
    img_dsc.header.h = 8;
    img_dsc.data_size = sizeof(img_px);
    img_dsc.data = reinterpret_cast<const uint8_t *>(img_px);

    lv_obj_t * scr = lv_scr_act();
    lv_obj_set_style_bg_color(scr, lv_color_hex(0x101010), 0);
    lv_obj_t * bar = lv_obj_create(scr);
    lv_obj_remove_style_all(bar);
    lv_obj_set_size(bar, LV_PCT(100), 30);
    lv_obj_set_style_bg_color(bar, lv_color_hex(0x1A1A1A), 0);
    lv_obj_set_style_bg_opa(bar, LV_OPA_COVER, 0);
    lv_obj_t * img = lv_img_create(scr);
    lv_img_set_src(img, &img_dsc);
    lv_obj_set_pos(img, 40, 100);

    seen = Seen();
    display.refresh_now();
    EXPECT_GE(seen.fills, 2);
    EXPECT_EQ(seen.copies, 1);
    EXPECT_EQ(seen.other, 0);
    EXPECT_EQ(display.pixel_rgb(5, 5), 0x1A1A1Au);
    EXPECT_EQ(display.pixel_rgb(45, 104), 0x30A0F0u);

    // A rounded, translucent object is not flat: its pixels go the long way
    lv_obj_t * round = lv_obj_create(scr);
    lv_obj_set_pos(round, 200, 100);
    lv_obj_set_style_radius(round, 20, 0);
    lv_obj_set_style_bg_opa(round, LV_OPA_50, 0);
    seen = Seen();
    display.refresh_now();
    EXPECT_GT(seen.other, 0);
}

// With full refresh, anything invalidated redraws the whole screen once, and
// an idle screen is not drawn at all.
TEST_F(DispTest, full_refresh_draws_only_when_something_changed)
{
    lv_obj_t * label = lv_label_create(lv_scr_act());
    lv_label_set_text(label, "idle");
    display.advance(50);
    int flushes = display.flush_count;
    EXPECT_GT(flushes, 0);
    EXPECT_EQ(display.last_flush_area.x2, 479);
    EXPECT_EQ(display.last_flush_area.y2, 319);

    display.advance(500);
    EXPECT_EQ(display.flush_count, flushes);

    lv_label_set_text(label, "busy");
    display.advance(20);
    EXPECT_EQ(display.flush_count, flushes + 1);
    EXPECT_EQ(display.last_flush_count, display.flush_count);   // each flush is the last of its frame
}

// lv_scr_load_anim: the target screen is active after the time (and delay),
// both screens get their load events and the old screen is kept
// (auto-delete off).
TEST_F(DispTest, screen_load_animation_reaches_the_target_screen_after_its_time)
{
    const lv_scr_load_anim_t kinds[] = {LV_SCR_LOAD_ANIM_NONE, LV_SCR_LOAD_ANIM_MOVE_TOP,
                                        LV_SCR_LOAD_ANIM_MOVE_BOTTOM, LV_SCR_LOAD_ANIM_OVER_BOTTOM,
                                        LV_SCR_LOAD_ANIM_OUT_TOP, LV_SCR_LOAD_ANIM_FADE_ON};
    for(lv_scr_load_anim_t kind : kinds) {
        SCOPED_TRACE(testing::Message() << "anim " << int(kind));
        lv_obj_t * from = lv_scr_act();
        lv_obj_t * to = lv_obj_create(nullptr);
        EventLog from_log;
        EventLog to_log;
        from_log.attach(from);
        to_log.attach(to);

        lv_scr_load_anim(to, kind, 500, 100, false);
        display.advance(300);
        EXPECT_TRUE(lv_scr_act() == from || lv_disp_get_scr_prev(display.disp) == from);
        EXPECT_EQ(lv_scr_act() == to, true);   // the start callback ran after the delay
        display.advance(400);
        EXPECT_EQ(lv_scr_act(), to);
        EXPECT_EQ(lv_disp_get_scr_prev(display.disp), nullptr);
        EXPECT_TRUE(lv_obj_is_valid(from));
        lv_area_t a;
        lv_obj_get_coords(to, &a);
        EXPECT_EQ(a.y1, 0);
        EXPECT_EQ(a.x1, 0);

        auto has = [](const EventLog & l, lv_event_code_t c) {
            return std::find(l.codes.begin(), l.codes.end(), c) != l.codes.end();
        };
        EXPECT_TRUE(has(from_log, LV_EVENT_SCREEN_UNLOAD_START));
        EXPECT_TRUE(has(from_log, LV_EVENT_SCREEN_UNLOADED));
        EXPECT_TRUE(has(to_log, LV_EVENT_SCREEN_LOAD_START));
        EXPECT_TRUE(has(to_log, LV_EVENT_SCREEN_LOADED));
    }

    // Loading back during an animation finishes the running one first
    lv_obj_t * a = lv_scr_act();
    lv_obj_t * b = lv_obj_create(nullptr);
    lv_scr_load_anim(b, LV_SCR_LOAD_ANIM_MOVE_TOP, 500, 0, false);
    display.advance(100);
    lv_scr_load_anim(a, LV_SCR_LOAD_ANIM_MOVE_BOTTOM, 500, 0, false);
    display.advance(600);
    EXPECT_EQ(lv_scr_act(), a);
    lv_area_t ca;
    lv_obj_get_coords(a, &ca);
    EXPECT_EQ(ca.y1, 0);
}

}  // namespace
