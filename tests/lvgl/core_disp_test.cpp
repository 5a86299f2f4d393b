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

bool has_code(const EventLog & log, lv_event_code_t code)
{
    return std::find(log.codes.begin(), log.codes.end(), code) != log.codes.end();
}

// When each screen hears which load event, and which screen is active and
// which still drawn as the previous one meanwhile.
TEST_F(DispTest, screen_load_events_come_at_the_call_after_the_delay_and_at_the_end)
{
    struct Moment {
        uint32_t at;
        bool new_active, old_drawn, load_start, loaded;
    };
    struct Case {
        const char * name;
        uint32_t time, delay;
        std::vector<Moment> moments;
    };
    const Case cases[] = {
        {"at once", 0, 0, {{0, true, false, true, true}}},
        {"delay then animation", 200, 100,
         {{0, false, false, false, false}, {50, false, false, false, false}, {150, true, true, true, false},
          {350, true, false, true, true}}},
        {"animation without delay", 200, 0, {{20, true, true, true, false}, {250, true, false, true, true}}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * from = lv_scr_act();
        lv_obj_t * to = lv_obj_create(nullptr);
        EventLog from_log;
        EventLog to_log;
        from_log.attach(from);
        to_log.attach(to);
        lv_scr_load_anim(to, LV_SCR_LOAD_ANIM_MOVE_LEFT, c.time, c.delay, false);
        EXPECT_TRUE(has_code(from_log, LV_EVENT_SCREEN_UNLOAD_START)) << "at the call";
        uint32_t now = 0;
        for(const Moment & m : c.moments) {
            display.advance(m.at - now);
            now = m.at;
            SCOPED_TRACE(testing::Message() << "at " << m.at << " ms");
            EXPECT_EQ(lv_scr_act() == to, m.new_active);
            EXPECT_EQ(lv_disp_get_scr_prev(display.disp) == from, m.old_drawn);
            EXPECT_EQ(has_code(to_log, LV_EVENT_SCREEN_LOAD_START), m.load_start);
            EXPECT_EQ(has_code(to_log, LV_EVENT_SCREEN_LOADED), m.loaded);
            EXPECT_EQ(has_code(from_log, LV_EVENT_SCREEN_UNLOADED), m.loaded);
        }
        EXPECT_EQ(lv_obj_get_x(to), 0);
    }
}

// Half way through each kind of load: where the screens are, how opaque,
// and which one is drawn on top.
TEST_F(DispTest, each_load_animation_moves_or_fades_its_screens)
{
    enum { W = 480, H = 320 };
    struct Case {
        lv_scr_load_anim_t kind;
        lv_coord_t new_x, new_y, old_x, old_y;
        lv_opa_t new_opa, old_opa;
        bool old_on_top;
    };
    const Case cases[] = {
        {LV_SCR_LOAD_ANIM_NONE, 0, 0, 0, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_OVER_LEFT, W / 2, 0, 0, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_OVER_RIGHT, -W / 2, 0, 0, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_OVER_TOP, 0, H / 2, 0, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_OVER_BOTTOM, 0, -H / 2, 0, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_MOVE_LEFT, W / 2, 0, -W / 2, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_MOVE_RIGHT, -W / 2, 0, W / 2, 0, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_MOVE_TOP, 0, H / 2, 0, -H / 2, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_MOVE_BOTTOM, 0, -H / 2, 0, H / 2, LV_OPA_COVER, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_FADE_IN, 0, 0, 0, 0, LV_OPA_50, LV_OPA_COVER, false},
        {LV_SCR_LOAD_ANIM_FADE_OUT, 0, 0, 0, 0, LV_OPA_COVER, LV_OPA_50, true},
        {LV_SCR_LOAD_ANIM_OUT_LEFT, 0, 0, -W / 2, 0, LV_OPA_COVER, LV_OPA_COVER, true},
        {LV_SCR_LOAD_ANIM_OUT_RIGHT, 0, 0, W / 2, 0, LV_OPA_COVER, LV_OPA_COVER, true},
        {LV_SCR_LOAD_ANIM_OUT_TOP, 0, 0, 0, -H / 2, LV_OPA_COVER, LV_OPA_COVER, true},
        {LV_SCR_LOAD_ANIM_OUT_BOTTOM, 0, 0, 0, H / 2, LV_OPA_COVER, LV_OPA_COVER, true},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.kind));
        lv_obj_t * from = lv_scr_act();
        lv_obj_t * to = lv_obj_create(nullptr);
        lv_scr_load_anim(to, c.kind, 400, 0, true);
        display.advance(200);
        lv_obj_update_layout(to);
        lv_obj_update_layout(from);
        EXPECT_NEAR(lv_obj_get_x(to), c.new_x, W / 20);
        EXPECT_NEAR(lv_obj_get_y(to), c.new_y, H / 20);
        EXPECT_NEAR(lv_obj_get_x(from), c.old_x, W / 20);
        EXPECT_NEAR(lv_obj_get_y(from), c.old_y, H / 20);
        EXPECT_NEAR(lv_obj_get_style_opa(to, 0), c.new_opa, 15);
        EXPECT_NEAR(lv_obj_get_style_opa(from, 0), c.old_opa, 15);
        EXPECT_EQ(display.disp->draw_prev_over_act, c.old_on_top);
        display.advance(250);
        EXPECT_FALSE(lv_obj_is_valid(from)) << "auto-delete removes the old screen at the end";
        EXPECT_EQ(lv_obj_get_style_opa(to, 0), LV_OPA_COVER);
        EXPECT_EQ(lv_obj_get_x(to), 0);
    }
}

// A load asked for while another runs completes the running one first.
TEST_F(DispTest, a_second_load_completes_the_first_and_spares_the_screen_it_asks_for)
{
    lv_obj_t * a = lv_scr_act();
    lv_obj_t * b = lv_obj_create(nullptr);
    lv_obj_t * c = lv_obj_create(nullptr);

    lv_scr_load_anim(b, LV_SCR_LOAD_ANIM_MOVE_LEFT, 500, 0, true);
    display.advance(100);
    lv_scr_load_anim(c, LV_SCR_LOAD_ANIM_MOVE_LEFT, 500, 0, false);
    EXPECT_FALSE(lv_obj_is_valid(a)) << "the first load deleted its old screen";
    lv_obj_update_layout(b);
    EXPECT_EQ(lv_obj_get_x(b), 0) << "and its screen came to rest";
    display.advance(600);
    EXPECT_EQ(lv_scr_act(), c);
    EXPECT_TRUE(lv_obj_is_valid(b));

    // Going back to the screen a running load is about to delete keeps it
    lv_scr_load_anim(b, LV_SCR_LOAD_ANIM_FADE_IN, 500, 200, true);
    display.advance(250);
    EXPECT_EQ(lv_disp_get_scr_prev(display.disp), c);
    lv_scr_load_anim(c, LV_SCR_LOAD_ANIM_NONE, 0, 0, false);
    EXPECT_TRUE(lv_obj_is_valid(c));
    EXPECT_EQ(lv_scr_act(), c);
    EXPECT_EQ(lv_disp_get_scr_prev(display.disp), nullptr);
    display.advance(800);
    EXPECT_EQ(lv_scr_act(), c);
}

// Where the screen is transparent the display's background colour shows,
// and changing it redraws.
TEST_F(DispTest, the_display_background_shows_through_a_transparent_screen)
{
    lv_obj_set_style_bg_opa(lv_scr_act(), LV_OPA_TRANSP, 0);
    lv_disp_set_bg_color(display.disp, lv_color_hex(0xFF0000));
    display.advance(20);
    EXPECT_EQ(display.pixel_rgb(10, 10), 0xFF0000u);
    int flushes = display.flush_count;
    lv_disp_set_bg_color(display.disp, lv_color_hex(0x0000FF));
    display.advance(20);
    EXPECT_GT(display.flush_count, flushes);
    EXPECT_EQ(display.pixel_rgb(10, 10), 0x0000FFu);
}

struct FlushRecord {
    std::vector<lv_area_t> areas;
    std::vector<bool> last;
    int frames = 0;
    uint32_t frame_px = 0;
};
FlushRecord * record;

void record_flush(lv_disp_drv_t * drv, const lv_area_t * area, lv_color_t *)
{
    record->areas.push_back(*area);
    record->last.push_back(lv_disp_flush_is_last(drv));
    lv_disp_flush_ready(drv);
}

void round_to_pages(lv_disp_drv_t *, lv_area_t * a)
{
    a->y1 = lv_coord_t(a->y1 & ~7);
    a->y2 = lv_coord_t(a->y2 | 7);
}

// How dirty areas reach the driver for each kind of buffer.
TEST_F(DispTest, dirty_areas_reach_the_driver_whole_or_in_bands_as_the_buffer_allows)
{
    struct Case {
        const char * name;
        bool full_refresh, direct_mode, rounder;
        uint32_t buffer_rows;
        std::vector<lv_area_t> dirty;
        std::vector<lv_area_t> expected;   // flushed areas, in order
    };
    const lv_area_t screen = {0, 0, 479, 319};
    const Case cases[] = {
        {"bands of the buffer's height", false, false, false, 20, {{0, 10, 479, 59}},
         {{0, 10, 479, 29}, {0, 30, 479, 49}, {0, 50, 479, 59}}},
        {"narrow areas take more rows per band", false, false, false, 20, {{0, 0, 239, 99}},
         {{0, 0, 239, 39}, {0, 40, 239, 79}, {0, 80, 239, 99}}},
        {"overlapping areas are joined into their bounding box", false, false, false, 320,
         {{0, 0, 99, 99}, {10, 10, 109, 109}}, {{0, 0, 109, 109}}},
        {"areas far apart stay apart", false, false, false, 320, {{0, 0, 9, 9}, {200, 200, 209, 209}},
         {{0, 0, 9, 9}, {200, 200, 209, 209}}},
        {"an area inside another adds nothing", false, false, false, 320, {{0, 0, 99, 99}, {10, 10, 20, 20}},
         {{0, 0, 99, 99}}},
        {"a rounder grows areas and bands to whole pages", false, false, true, 20, {{0, 3, 9, 10}},
         {{0, 0, 9, 15}}},
        {"direct mode sends the changed area of the screen buffer", false, true, false, 320, {{5, 5, 14, 14}},
         {{5, 5, 14, 14}}},
        {"full refresh sends the whole screen", true, true, false, 320, {{5, 5, 14, 14}}, {screen}},
        {"direct mode with a buffer smaller than the screen falls back to bands", false, true, false, 160,
         {screen}, {{0, 0, 479, 159}, {0, 160, 479, 319}}},
        {"full refresh with a buffer smaller than the screen is turned off", true, true, false, 160, {{0, 0, 9, 9}},
         {{0, 0, 9, 9}}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        FlushRecord rec;
        record = &rec;
        display.advance(20);   /*settle what is pending*/
        display.disp_drv.full_refresh = c.full_refresh;
        display.disp_drv.direct_mode = c.direct_mode;
        display.disp_drv.rounder_cb = c.rounder ? round_to_pages : nullptr;
        display.disp_drv.flush_cb = record_flush;
        display.disp_drv.monitor_cb = [](lv_disp_drv_t *, uint32_t, uint32_t px) {
            record->frames++;
            record->frame_px = px;
        };
        display.draw_buf.size = 480 * c.buffer_rows;
        lv_disp_drv_update(display.disp, &display.disp_drv);
        display.advance(20);   /*the update redraws the whole screen*/
        rec = FlushRecord();

        for(const lv_area_t & a : c.dirty) _lv_inv_area(display.disp, &a);
        display.advance(20);
        ASSERT_EQ(rec.areas.size(), c.expected.size());
        std::vector<lv_area_t> got = rec.areas;
        std::vector<lv_area_t> want = c.expected;
        auto before = [](const lv_area_t & x, const lv_area_t & y) { return x.y1 != y.y1 ? x.y1 < y.y1 : x.x1 < y.x1; };
        std::sort(got.begin(), got.end(), before);
        std::sort(want.begin(), want.end(), before);
        for(size_t i = 0; i < want.size(); i++) {
            EXPECT_EQ(got[i].x1, want[i].x1);
            EXPECT_EQ(got[i].y1, want[i].y1);
            EXPECT_EQ(got[i].x2, want[i].x2);
            EXPECT_EQ(got[i].y2, want[i].y2);
        }
        EXPECT_EQ(std::count(rec.last.begin(), rec.last.end(), true), 1) << "one part ends the frame";
        EXPECT_TRUE(rec.last.back());
        EXPECT_EQ(rec.frames, 1);
    }
    display.disp_drv.monitor_cb = nullptr;
}

TEST_F(DispTest, invalidation_can_be_switched_off_in_nested_calls)
{
    display.advance(20);
    int flushes = display.flush_count;
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    display.advance(20);
    EXPECT_EQ(display.flush_count, flushes + 1);

    lv_disp_enable_invalidation(display.disp, false);
    lv_disp_enable_invalidation(display.disp, false);
    lv_disp_enable_invalidation(display.disp, true);
    EXPECT_FALSE(lv_disp_is_invalidation_enabled(display.disp));
    lv_obj_set_pos(obj, 100, 100);
    display.advance(20);
    EXPECT_EQ(display.flush_count, flushes + 1);
    lv_disp_enable_invalidation(display.disp, true);
    EXPECT_TRUE(lv_disp_is_invalidation_enabled(display.disp));
    lv_obj_set_pos(obj, 10, 10);
    display.advance(20);
    EXPECT_EQ(display.flush_count, flushes + 2);
}

// A new resolution (the window host resizes its frame buffer so) reaches
// the screens, and the whole new screen is drawn.
TEST_F(DispTest, a_driver_update_resizes_the_screens_and_redraws_them)
{
    display.advance(20);
    EventLog log;
    log.attach(lv_scr_act());
    display.disp_drv.hor_res = 320;
    display.disp_drv.ver_res = 200;
    lv_disp_drv_update(display.disp, &display.disp_drv);
    EXPECT_TRUE(has_code(log, LV_EVENT_SIZE_CHANGED));
    EXPECT_EQ(lv_obj_get_width(lv_scr_act()), 320);
    EXPECT_EQ(lv_obj_get_height(lv_layer_top()), 200);
    display.advance(20);
    EXPECT_EQ(display.last_flush_area.x2, 319);
    EXPECT_EQ(display.last_flush_area.y2, 199);

    lv_disp_set_rotation(display.disp, LV_DISP_ROT_90);
    EXPECT_EQ(lv_disp_get_hor_res(display.disp), 200);
    EXPECT_EQ(lv_disp_get_ver_res(display.disp), 320);
    EXPECT_EQ(lv_obj_get_width(lv_scr_act()), 200);
    lv_disp_set_rotation(display.disp, LV_DISP_ROT_NONE);
}

// A second display: the first stays the default, input devices of a
// removed display are no longer read.
TEST_F(DispTest, a_removed_display_takes_its_screens_and_leaves_its_devices_idle)
{
    static lv_color_t pixels[100 * 100];
    static lv_disp_draw_buf_t buf;
    static lv_disp_drv_t drv;
    lv_disp_draw_buf_init(&buf, pixels, nullptr, 100 * 100);
    lv_disp_drv_init(&drv);
    drv.hor_res = 100;
    drv.ver_res = 100;
    drv.draw_buf = &buf;
    drv.flush_cb = [](lv_disp_drv_t * d, const lv_area_t *, lv_color_t *) { lv_disp_flush_ready(d); };
    lv_disp_t * second = lv_disp_drv_register(&drv);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(lv_disp_get_default(), display.disp);
    EXPECT_EQ(lv_disp_get_next(nullptr), second) << "newest first";
    EXPECT_EQ(lv_disp_get_next(second), display.disp);
    EXPECT_EQ(lv_disp_get_next(display.disp), nullptr);
    EXPECT_EQ(lv_obj_get_width(lv_disp_get_scr_act(second)), 100);

    static int reads;
    reads = 0;
    static lv_indev_drv_t indev_drv;
    lv_indev_drv_init(&indev_drv);
    indev_drv.type = LV_INDEV_TYPE_POINTER;
    indev_drv.disp = second;
    indev_drv.read_cb = [](lv_indev_drv_t *, lv_indev_data_t *) { reads++; };
    lv_indev_t * indev = lv_indev_drv_register(&indev_drv);
    display.advance(30);
    EXPECT_GT(reads, 0);

    lv_disp_remove(second);
    EXPECT_EQ(indev->driver->disp, nullptr);
    EXPECT_EQ(lv_disp_get_next(nullptr), display.disp);
    reads = 0;
    display.advance(30);
    EXPECT_EQ(reads, 0);
    lv_indev_delete(indev);

    // Inactivity is measured from the last press
    display.advance(100);
    EXPECT_GE(lv_disp_get_inactive_time(nullptr), 100u);
    display.press(10, 10);
    EXPECT_LT(lv_disp_get_inactive_time(display.disp), 20u);
    display.release();
    display.advance(50);
    lv_disp_trig_activity(nullptr);
    EXPECT_EQ(lv_disp_get_inactive_time(display.disp), 0u);
}

}  // namespace
