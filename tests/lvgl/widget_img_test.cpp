// Image: sources, zoom, and clicks on the opaque part only.
#include "test_display.h"

#include <vector>

namespace {

// A w x h picture painted by a function of the pixel (colour, alpha).
struct Picture {
    std::vector<lv_color_t> px;
    lv_img_dsc_t dsc;
    Picture(int w, int h, lv_img_cf_t cf, uint32_t (*paint)(int x, int y)) : px(size_t(w) * h)
    {
        for(int y = 0; y < h; y++) {
            for(int x = 0; x < w; x++) {
                uint32_t argb = paint(x, y);
                lv_color_t c = lv_color_hex(argb & 0xFFFFFF);
                c.ch.alpha = uint8_t(argb >> 24);
                px[size_t(y) * w + x] = c;
            }
        }
        dsc = {};
        dsc.header.cf = cf;
        dsc.header.w = uint32_t(w);
        dsc.header.h = uint32_t(h);
        dsc.data_size = static_cast<uint32_t>(px.size() * sizeof(lv_color_t));
        dsc.data = reinterpret_cast<const uint8_t *>(px.data());
    }
};

// A 40 x 40 image: opaque disc of radius 15 in the middle, transparent corners.
struct Disc : Picture {
    Disc()
        : Picture(40, 40, LV_IMG_CF_TRUE_COLOR_ALPHA, [](int x, int y) -> uint32_t {
              return (x - 20) * (x - 20) + (y - 20) * (y - 20) <= 15 * 15 ? 0xFFFFFFFF : 0x00FFFFFF;
          })
    {
    }
};

class ImgTest : public DisplayTest {};

TEST_F(ImgTest, image_takes_its_size_from_the_source_and_zooms_around_the_pivot)
{
    Disc disc;
    lv_obj_t * img = lv_img_create(lv_scr_act());
    lv_obj_set_pos(img, 100, 100);
    lv_img_set_src(img, &disc.dsc);
    EXPECT_EQ(lv_obj_get_width(img), 40);
    EXPECT_EQ(lv_obj_get_height(img), 40);
    lv_point_t pivot;
    lv_img_get_pivot(img, &pivot);
    EXPECT_EQ(pivot.x, 20);

    lv_obj_set_style_img_recolor(img, lv_color_hex(0xFF0000), 0);
    lv_obj_set_style_img_recolor_opa(img, LV_OPA_COVER, 0);
    display.advance(20);
    EXPECT_EQ(display.pixel_rgb(120, 120), 0xFF0000u);
    uint32_t bg = display.pixel_rgb(10, 10);
    EXPECT_EQ(display.pixel_rgb(101, 101), bg);   // transparent corner

    // Zoom 512 doubles the disc around the centre: drawn beyond the widget
    lv_img_set_zoom(img, 512);
    display.advance(20);
    EXPECT_EQ(lv_img_get_zoom(img), 512);
    EXPECT_EQ(display.pixel_rgb(120, 96), 0xFF0000u);      // above the widget, inside the big disc
    EXPECT_EQ(lv_obj_get_width(img), 40);                  // the layout size stays

    lv_img_set_zoom(img, 128);
    display.advance(20);
    EXPECT_EQ(display.pixel_rgb(120, 120), 0xFF0000u);
    EXPECT_EQ(display.pixel_rgb(120, 104), bg);            // outside the small disc

    lv_img_set_src(img, LV_SYMBOL_OK);
    EXPECT_GT(lv_obj_get_width(img), 0);
    EXPECT_EQ(lv_obj_get_height(img), lv_font_get_line_height(lv_obj_get_style_text_font(img, 0)));
}

// A clickable image reacts only where it is opaque; with the advanced hit
// test off the whole rectangle counts.
TEST_F(ImgTest, clicks_hit_only_the_opaque_part)
{
    Disc disc;
    lv_obj_t * img = lv_img_create(lv_scr_act());
    lv_obj_set_pos(img, 100, 100);
    lv_img_set_src(img, &disc.dsc);
    lv_obj_add_flag(img, LV_OBJ_FLAG_CLICKABLE);
    int clicks = 0;
    lv_obj_add_event_cb(img, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_CLICKED, &clicks);

    struct Case {
        lv_coord_t x, y;
        bool hit;
    };
    const Case cases[] = {{120, 120, true}, {102, 102, false}, {137, 138, false}, {120, 106, true}};
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        clicks = 0;
        display.click(c.x, c.y);
        EXPECT_EQ(clicks, c.hit ? 1 : 0);
    }

    lv_img_set_zoom(img, 512);   // corners of the widget are now inside the disc
    clicks = 0;
    display.click(106, 106);
    EXPECT_EQ(clicks, 1);
    lv_img_set_zoom(img, 256);

    lv_obj_clear_flag(img, LV_OBJ_FLAG_ADV_HITTEST);
    clicks = 0;
    display.click(102, 102);
    EXPECT_EQ(clicks, 1);
}

// A picture smaller than the widget repeats; the offset shifts the mosaic
// (and is kept within one picture).
TEST_F(ImgTest, a_small_picture_repeats_from_its_offset)
{
    // 4 x 4, green with one red pixel at its top left
    Picture pic(4, 4, LV_IMG_CF_TRUE_COLOR, [](int x, int y) -> uint32_t { return x == 0 && y == 0 ? 0xFFFF0000 : 0xFF00FF00; });
    lv_obj_t * img = lv_img_create(lv_scr_act());
    lv_obj_set_pos(img, 50, 50);
    lv_img_set_src(img, &pic.dsc);
    lv_obj_set_size(img, 12, 8);

    struct Case {
        lv_coord_t offset;
        lv_coord_t stored;
        lv_coord_t red_x[3];   // columns of the red pixels in the first row
    };
    const Case cases[] = {{0, 0, {0, 4, 8}}, {1, 1, {1, 5, 9}}, {-1, -1, {3, 7, 11}}, {10, 2, {2, 6, 10}}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.offset);
        lv_img_set_offset_x(img, c.offset);
        EXPECT_EQ(lv_img_get_offset_x(img), c.stored);
        display.advance(20);
        for(lv_coord_t x : c.red_x) {
            EXPECT_EQ(display.pixel_rgb(50 + x, 50), 0xFF0000u) << "x " << x;
            EXPECT_EQ(display.pixel_rgb(50 + x, 54), 0xFF0000u) << "second row of tiles, x " << x;
            EXPECT_EQ(display.pixel_rgb(50 + x, 51), 0x00FF00u) << "x " << x;
        }
        EXPECT_NE(display.pixel_rgb(62, 50), 0xFF0000u);   // nothing past the widget
    }
}

TEST_F(ImgTest, transform_settings_are_normalised)
{
    lv_obj_t * img = lv_img_create(lv_scr_act());
    struct Case {
        int16_t angle;
        uint16_t stored;
    };
    const Case cases[] = {{0, 0}, {900, 900}, {3600, 0}, {-10, 3590}, {7205, 5}, {-7200, 0}};
    for(const Case & c : cases) {
        lv_img_set_angle(img, c.angle);
        EXPECT_EQ(lv_img_get_angle(img), c.stored) << c.angle;
    }
    lv_img_set_zoom(img, 0);
    EXPECT_EQ(lv_img_get_zoom(img), 1);
    lv_img_set_antialias(img, false);
    EXPECT_FALSE(lv_img_get_antialias(img));

    // A new source puts the pivot back at its centre; NULL shows nothing
    Disc disc;
    lv_img_set_pivot(img, 3, 4);
    lv_img_set_src(img, &disc.dsc);
    lv_point_t pivot;
    lv_img_get_pivot(img, &pivot);
    EXPECT_EQ(pivot.x, 20);
    EXPECT_EQ(pivot.y, 20);
    lv_img_set_src(img, nullptr);
    EXPECT_EQ(lv_img_get_src(img), nullptr);
    lv_obj_update_layout(img);
    EXPECT_EQ(lv_obj_get_width(img), 0);
}

// REAL size mode: the widget takes the zoomed size and the picture fills it.
TEST_F(ImgTest, real_size_mode_sizes_the_widget_to_the_zoomed_picture)
{
    Disc disc;
    struct Case {
        lv_img_size_mode_t mode;
        lv_coord_t size;
    };
    const Case cases[] = {{LV_IMG_SIZE_MODE_VIRTUAL, 40}, {LV_IMG_SIZE_MODE_REAL, 80}};
    for(const Case & c : cases) {
        SCOPED_TRACE(int(c.mode));
        lv_obj_clean(lv_scr_act());
        lv_obj_t * img = lv_img_create(lv_scr_act());
        lv_obj_set_pos(img, 100, 100);
        lv_img_set_src(img, &disc.dsc);
        lv_img_set_size_mode(img, c.mode);
        lv_img_set_zoom(img, 512);
        lv_obj_set_style_img_recolor(img, lv_color_hex(0xFF0000), 0);
        lv_obj_set_style_img_recolor_opa(img, LV_OPA_COVER, 0);
        display.advance(20);
        EXPECT_EQ(lv_obj_get_width(img), c.size);
        EXPECT_EQ(lv_img_get_size_mode(img), c.mode);
        // The doubled disc (radius 30) is centred on the widget's centre
        lv_coord_t cx = static_cast<lv_coord_t>(100 + c.size / 2);
        EXPECT_EQ(display.pixel_rgb(cx, cx - 27), 0xFF0000u);
        EXPECT_NE(display.pixel_rgb(cx, cx - 33), 0xFF0000u);
    }
}

// Hit testing follows the turned picture and the mosaic's tiles.
TEST_F(ImgTest, clicks_follow_rotation_and_the_mosaic)
{
    // 40 x 40: opaque left half, transparent right half
    Picture half(40, 40, LV_IMG_CF_TRUE_COLOR_ALPHA, [](int x, int) -> uint32_t { return x < 20 ? 0xFFFFFFFF : 0x00FFFFFF; });
    lv_obj_t * img = lv_img_create(lv_scr_act());
    lv_obj_set_pos(img, 100, 100);
    lv_img_set_src(img, &half.dsc);
    lv_obj_add_flag(img, LV_OBJ_FLAG_CLICKABLE);
    int clicks = 0;
    lv_obj_add_event_cb(img, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_CLICKED, &clicks);

    struct Case {
        int16_t angle;
        lv_coord_t width;   // widget width (80: two tiles)
        lv_coord_t x;
        bool hit;
    };
    const Case cases[] = {
        {0, 40, 105, true},   {0, 40, 135, false},
        {1800, 40, 105, false}, {1800, 40, 135, true},   // turned half way round: the halves swap
        {0, 80, 145, true},   {0, 80, 175, false},       // second tile of the mosaic
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << c.angle << " " << c.width << " " << c.x);
        lv_obj_set_width(img, c.width);
        lv_img_set_angle(img, c.angle);
        clicks = 0;
        display.click(c.x, 120);
        EXPECT_EQ(clicks, c.hit ? 1 : 0);
    }
}

}  // namespace
