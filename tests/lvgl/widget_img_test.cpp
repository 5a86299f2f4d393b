// Image: sources, zoom, and clicks on the opaque part only.
#include "test_display.h"

#include <vector>

namespace {

// A 40 x 40 image: opaque disc of radius 15 in the middle, transparent corners.
struct Disc {
    std::vector<lv_color_t> px;
    lv_img_dsc_t dsc;
    Disc() : px(40 * 40)
    {
        for(int y = 0; y < 40; y++) {
            for(int x = 0; x < 40; x++) {
                int dx = x - 20;
                int dy = y - 20;
                lv_color_t c = lv_color_hex(0xFFFFFF);
                c.ch.alpha = dx * dx + dy * dy <= 15 * 15 ? 255 : 0;
                px[y * 40 + x] = c;
            }
        }
        dsc.header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
        dsc.header.always_zero = 0;
        dsc.header.reserved = 0;
        dsc.header.w = 40;
        dsc.header.h = 40;
        dsc.data_size = static_cast<uint32_t>(px.size() * sizeof(lv_color_t));
        dsc.data = reinterpret_cast<const uint8_t *>(px.data());
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

}  // namespace
