// Rectangles of the software renderer: fills, rounded corners, borders,
// outlines, gradients and masks, checked pixel by pixel against geometry.
#include "lvgl_fixture.h"

namespace {

class DrawRectTest : public LvglTest {};

lv_draw_rect_dsc_t white_rect(lv_coord_t radius)
{
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    dsc.bg_color = lv_color_white();
    dsc.radius = radius;
    return dsc;
}

// Inside a rounded rectangle [x1, x2+1) x [y1, y2+1) with corner radius r.
bool in_rounded_rect(double px, double py, const lv_area_t & a, double r)
{
    double x1 = a.x1, y1 = a.y1, x2 = a.x2 + 1.0, y2 = a.y2 + 1.0;
    if(px < x1 || px > x2 || py < y1 || py > y2) return false;
    double cx = std::min(std::max(px, x1 + r), x2 - r);
    double cy = std::min(std::max(py, y1 + r), y2 - r);
    return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

TEST_F(DrawRectTest, SquareRectangleFillsExactlyItsArea)
{
    Canvas c(40, 30);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    dsc.bg_color = lv_color_hex(0x3366CC);
    lv_area_t a = {5, 6, 24, 17};
    lv_draw_rect(c.draw(), &dsc, &a);

    for(int y = 0; y < c.h; y++) {
        for(int x = 0; x < c.w; x++) {
            bool in = x >= 5 && x <= 24 && y >= 6 && y <= 17;
            ASSERT_EQ(c.rgb(x, y), in ? 0x3366CCu : 0u) << x << "," << y;
        }
    }
}

TEST_F(DrawRectTest, RectangleIsClippedToTheClipArea)
{
    Canvas c(40, 30);
    lv_area_set(&c.clip, 10, 10, 19, 19);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    lv_area_t a = {0, 0, 39, 29};
    lv_draw_rect(c.draw(), &dsc, &a);
    EXPECT_EQ(c.rgb(9, 10), 0u);
    EXPECT_EQ(c.rgb(10, 10), 0xFFFFFFu);
    EXPECT_EQ(c.rgb(19, 19), 0xFFFFFFu);
    EXPECT_EQ(c.rgb(20, 19), 0u);
    EXPECT_EQ(c.rgb(19, 20), 0u);
}

TEST_F(DrawRectTest, HalfOpaqueFillMixesWithTheBackground)
{
    Canvas c(10, 10, 0x000000);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    dsc.bg_opa = LV_OPA_50;
    lv_area_t a = {0, 0, 9, 9};
    lv_draw_rect(c.draw(), &dsc, &a);
    EXPECT_NEAR(c.red(5, 5), 127, 1);
    EXPECT_NEAR(c.blue(5, 5), 127, 1);
}

TEST_F(DrawRectTest, RoundedCornersMatchTheGeometryWithAntiAliasing)
{
    struct Case {
        lv_area_t a;
        lv_coord_t radius;
        double effective_r;
    };
    const Case cases[] = {
        {{4, 4, 43, 33}, 10, 10},
        {{2, 3, 61, 22}, 6, 6},
        {{5, 5, 36, 36}, LV_RADIUS_CIRCLE, 16},   /*32 x 32: a circle*/
        {{3, 3, 50, 22}, 100, 10},                /*Clamped to half the short side*/
    };
    for(const Case & cs : cases) {
        Canvas c(70, 45);
        lv_draw_rect_dsc_t dsc = white_rect(cs.radius);
        lv_draw_rect(c.draw(), &dsc, &cs.a);
        lv_area_t check = cs.a;
        lv_area_increase(&check, 1, 1);
        auto diff = compare_coverage(c, check, [&](double x, double y) {
            return in_rounded_rect(x, y, cs.a, cs.effective_r);
        });
        EXPECT_LE(diff.max_err, 48) << "radius " << cs.radius;
        EXPECT_LT(diff.mean_err, 3.0) << "radius " << cs.radius;
        /*Corners cut, edges full*/
        EXPECT_EQ(c.green(cs.a.x1, cs.a.y1), 0);
        EXPECT_EQ(c.green(cs.a.x2, cs.a.y2), 0);
        EXPECT_EQ(c.green((cs.a.x1 + cs.a.x2) / 2, cs.a.y1), 255);
        EXPECT_EQ(c.green(cs.a.x1, (cs.a.y1 + cs.a.y2) / 2), 255);
    }
}

TEST_F(DrawRectTest, BorderCoversOnlyTheRequestedSides)
{
    struct Case {
        lv_border_side_t side;
        bool top, bottom, left, right;
    };
    const Case cases[] = {
        {LV_BORDER_SIDE_FULL, true, true, true, true},
        {LV_BORDER_SIDE_BOTTOM, false, true, false, false},
        {LV_BORDER_SIDE_LEFT | LV_BORDER_SIDE_TOP, true, false, true, false},
        {LV_BORDER_SIDE_RIGHT, false, false, false, true},
    };
    for(const Case & cs : cases) {
        Canvas c(40, 40);
        lv_draw_rect_dsc_t dsc;
        lv_draw_rect_dsc_init(&dsc);
        dsc.bg_opa = LV_OPA_TRANSP;
        dsc.border_color = lv_color_white();
        dsc.border_width = 3;
        dsc.border_side = cs.side;
        lv_area_t a = {5, 5, 34, 34};
        lv_draw_rect(c.draw(), &dsc, &a);
        EXPECT_EQ(c.green(20, 5) == 255, cs.top) << (int)cs.side;
        EXPECT_EQ(c.green(20, 7) == 255, cs.top) << (int)cs.side;
        EXPECT_EQ(c.green(20, 8), 0) << (int)cs.side;
        EXPECT_EQ(c.green(20, 34) == 255, cs.bottom) << (int)cs.side;
        EXPECT_EQ(c.green(5, 20) == 255, cs.left) << (int)cs.side;
        EXPECT_EQ(c.green(34, 20) == 255, cs.right) << (int)cs.side;
        EXPECT_EQ(c.green(20, 20), 0) << "inside stays empty";
        EXPECT_EQ(c.green(4, 20), 0) << "nothing outside";
    }
}

TEST_F(DrawRectTest, RoundedBorderIsTheRingBetweenTwoRoundedRectangles)
{
    Canvas c(60, 60);
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    dsc.bg_opa = LV_OPA_TRANSP;
    dsc.border_color = lv_color_white();
    dsc.border_width = 4;
    dsc.radius = 12;
    lv_area_t a = {5, 5, 54, 54};
    lv_draw_rect(c.draw(), &dsc, &a);

    lv_area_t inner = {9, 9, 50, 50};
    lv_area_t check = {4, 4, 55, 55};
    auto diff = compare_coverage(c, check, [&](double x, double y) {
        return in_rounded_rect(x, y, a, 12) && !in_rounded_rect(x, y, inner, 8);
    });
    EXPECT_LE(diff.max_err, 64);
    EXPECT_LT(diff.mean_err, 4.0);
}

TEST_F(DrawRectTest, TranslucentPartsAreBlendedExactlyOnce)
{
    /*Plain fills, masked corner rows and skipped bands meet without overlap:
     *no pixel may come out brighter than one half-opaque layer*/
    for(lv_coord_t radius : {0, 6, 15}) {
        Canvas c(60, 60);
        lv_draw_rect_dsc_t dsc = white_rect(radius);
        dsc.bg_opa = LV_OPA_50;
        dsc.border_color = lv_color_white();
        dsc.border_width = 3;
        dsc.border_opa = LV_OPA_50;
        dsc.outline_color = lv_color_white();
        dsc.outline_width = 2;
        dsc.outline_opa = LV_OPA_50;
        lv_area_t a = {8, 8, 51, 51};
        lv_draw_rect(c.draw(), &dsc, &a);
        int bg_level = c.green(30, 30);
        EXPECT_NEAR(bg_level, 127, 1);
        for(int y = 0; y < 60; y++) {
            for(int x = 0; x < 60; x++) {
                /*Border over background: 127 + 127 * 128 / 255 at most*/
                ASSERT_LE(c.green(x, y), 192) << x << "," << y << " radius " << radius;
            }
        }
        EXPECT_NEAR(c.green(8, 30), 191, 2) << "border over the background";
        EXPECT_NEAR(c.green(30, 8), 191, 2);
        EXPECT_NEAR(c.green(6, 30), 127, 1) << "outline alone";
    }
}

TEST_F(DrawRectTest, OutlineSurroundsTheRectangleAtItsPadding)
{
    Canvas c(40, 40);
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    dsc.bg_color = lv_color_hex(0x0000FF);
    dsc.outline_color = lv_color_hex(0x00FF00);
    dsc.outline_width = 2;
    dsc.outline_pad = 1;
    lv_area_t a = {10, 10, 29, 29};
    lv_draw_rect(c.draw(), &dsc, &a);
    EXPECT_EQ(c.rgb(9, 20), 0u) << "the pad stays empty";
    EXPECT_EQ(c.rgb(8, 20), 0x00FF00u);
    EXPECT_EQ(c.rgb(7, 20), 0x00FF00u);
    EXPECT_EQ(c.rgb(6, 20), 0u);
    EXPECT_EQ(c.rgb(20, 31), 0x00FF00u);
    EXPECT_EQ(c.rgb(20, 20), 0x0000FFu);
}

TEST_F(DrawRectTest, VerticalGradientRunsFromTheFirstToTheSecondColour)
{
    Canvas c(10, 101);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    dsc.bg_color = lv_color_hex(0x000000);
    dsc.bg_grad.dir = LV_GRAD_DIR_VER;
    dsc.bg_grad.stops[0].color = lv_color_hex(0x000000);
    dsc.bg_grad.stops[1].color = lv_color_hex(0xFFFFFF);
    lv_area_t a = {0, 0, 9, 100};
    lv_draw_rect(c.draw(), &dsc, &a);
    EXPECT_LE(c.red(5, 0), 3);
    EXPECT_NEAR(c.red(5, 50), 128, 4);
    EXPECT_GE(c.red(5, 100), 252);
    for(int y = 1; y <= 100; y++) ASSERT_GE(c.red(5, y), c.red(5, y - 1));
}

TEST_F(DrawRectTest, RectanglesInsideARoundedClipLookTheSameHoweverTheClipCutsThem)
{
    /*A rounded panel with border, outline and shadow inside a rounded
     *container that clips its corners: drawn whole, and again tile by tile
     *as invalidated areas are*/
    struct Case {
        lv_coord_t radius;
        lv_grad_dir_t grad;
        bool clip_corner;
    };
    const Case cases[] = {{12, LV_GRAD_DIR_NONE, false}, {12, LV_GRAD_DIR_NONE, true}, {LV_RADIUS_CIRCLE, LV_GRAD_DIR_HOR, true},
        {4, LV_GRAD_DIR_VER, true}, {0, LV_GRAD_DIR_HOR, false}
    };
    for(const Case & cs : cases) {
        lv_draw_rect_dsc_t dsc;
        lv_draw_rect_dsc_init(&dsc);
        dsc.radius = cs.radius;
        dsc.bg_color = lv_color_hex(0x3060C0);
        dsc.bg_grad.dir = cs.grad;
        dsc.bg_grad.stops[1].color = lv_color_hex(0xE0A020);
        dsc.border_width = 3;
        dsc.border_color = lv_color_hex(0xF0F0F0);
        dsc.border_opa = LV_OPA_70;
        dsc.outline_width = 2;
        dsc.outline_pad = 2;
        dsc.outline_color = lv_color_hex(0x20C040);
        dsc.shadow_width = 10;
        dsc.shadow_ofs_y = 3;
        dsc.shadow_color = lv_color_hex(0x800000);
        lv_area_t a = {20, 15, 99, 74};
        lv_area_t holder = {10, 5, 109, 84};
        lv_draw_mask_radius_param_t round;
        lv_draw_mask_radius_init(&round, &holder, 25, false);

        auto paint = [&](Canvas & c) {
            int16_t id = cs.clip_corner ? lv_draw_mask_add(&round, nullptr) : LV_MASK_ID_INV;
            lv_draw_rect(c.draw(), &dsc, &a);
            lv_draw_mask_remove_id(id);
        };
        Canvas whole(120, 90, 0x101010);
        paint(whole);
        Canvas tiles(120, 90, 0x101010);
        for(int ty = 0; ty < 90; ty += 17) {
            for(int tx = 0; tx < 120; tx += 23) {
                lv_area_set(&tiles.clip, (lv_coord_t)tx, (lv_coord_t)ty, (lv_coord_t)std::min(tx + 22, 119),
                            (lv_coord_t)std::min(ty + 16, 89));
                paint(tiles);
            }
        }
        for(int y = 0; y < 90; y++)
            for(int x = 0; x < 120; x++) ASSERT_EQ(tiles.rgb(x, y), whole.rgb(x, y)) << x << "," << y << " r " << cs.radius;
        if(cs.clip_corner) {
            EXPECT_EQ(whole.rgb(10, 5), 0x101010u) << "the container's corner stays clear";
        }
    }
}

TEST_F(DrawRectTest, GradientColoursRunBetweenTheStopsAndStayWithinTheirArray)
{
    lv_grad_dsc_t g = {};
    g.stops[0] = {lv_color_hex(0x000000), 0};
    g.stops[1] = {lv_color_hex(0xFF0000), 255};
    g.dir = LV_GRAD_DIR_HOR;
    struct Case {
        uint8_t stops;
        lv_coord_t pos;
        int red;
    };
    const Case cases[] = {{2, 0, 0}, {2, 50, 128}, {2, 100, 255}, {1, 70, 0}, {0, 70, 0},
        {200, 100, 255}     /*a count beyond the array is not read past it*/
    };
    for(const Case & cs : cases) {
        g.stops_count = cs.stops;
        EXPECT_NEAR(lv_gradient_calculate(&g, 101, cs.pos).ch.red, cs.red, 1) << (int)cs.stops << " " << cs.pos;
    }
}

TEST_F(DrawRectTest, FadeMaskScalesOpacityBetweenItsRows)
{
    Canvas c(10, 40);
    lv_area_t full = {0, 0, 9, 39};
    lv_draw_mask_fade_param_t fade;
    lv_draw_mask_fade_init(&fade, &full, LV_OPA_COVER, 10, LV_OPA_TRANSP, 30);
    int16_t id = lv_draw_mask_add(&fade, nullptr);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    lv_draw_rect(c.draw(), &dsc, &full);
    lv_draw_mask_remove_id(id);

    EXPECT_EQ(c.green(3, 5), 255);
    EXPECT_NEAR(c.green(3, 20), 128, 8);
    EXPECT_EQ(c.green(3, 35), 0);
    EXPECT_EQ(lv_draw_mask_get_cnt(), 0);
}

TEST_F(DrawRectTest, LineMaskKeepsTheChosenSide)
{
    struct Case {
        lv_draw_mask_line_side_t side;
        int x, y;       /*a pixel on the kept side*/
        int ox, oy;     /*a pixel on the other side*/
    };
    /*A diagonal from (0,0) to (39,39)*/
    const Case cases[] = {
        {LV_DRAW_MASK_LINE_SIDE_LEFT, 5, 30, 30, 5},
        {LV_DRAW_MASK_LINE_SIDE_RIGHT, 30, 5, 5, 30},
        {LV_DRAW_MASK_LINE_SIDE_TOP, 30, 5, 5, 30},
        {LV_DRAW_MASK_LINE_SIDE_BOTTOM, 5, 30, 30, 5},
    };
    for(const Case & cs : cases) {
        Canvas c(40, 40);
        lv_draw_mask_line_param_t line;
        lv_draw_mask_line_points_init(&line, 39, 39, 0, 0, cs.side);   /*Point order must not matter*/
        int16_t id = lv_draw_mask_add(&line, nullptr);
        lv_draw_rect_dsc_t dsc = white_rect(0);
        lv_area_t a = {0, 0, 39, 39};
        lv_draw_rect(c.draw(), &dsc, &a);
        lv_draw_mask_remove_id(id);
        EXPECT_EQ(c.green(cs.x, cs.y), 255) << (int)cs.side;
        EXPECT_EQ(c.green(cs.ox, cs.oy), 0) << (int)cs.side;
        EXPECT_NEAR(c.green(20, 20), 128, 40) << "on the line: half covered";
    }
}

TEST_F(DrawRectTest, AngleMaskKeepsTheSectorClockwiseFromStartToEnd)
{
    Canvas c(41, 41);
    lv_draw_mask_angle_param_t angle;
    lv_draw_mask_angle_init(&angle, 20, 20, 0, 90);   /*From 3 o'clock to 6 o'clock*/
    int16_t id = lv_draw_mask_add(&angle, nullptr);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    lv_area_t a = {0, 0, 40, 40};
    lv_draw_rect(c.draw(), &dsc, &a);
    lv_draw_mask_remove_id(id);
    EXPECT_EQ(c.green(35, 30), 255) << "bottom right";
    EXPECT_EQ(c.green(5, 30), 0) << "bottom left";
    EXPECT_EQ(c.green(35, 5), 0) << "top right";
    EXPECT_EQ(c.green(5, 5), 0) << "top left";
}

TEST_F(DrawRectTest, ShadowFallsOffOutsideAndStaysOffTheObject)
{
    Canvas c(100, 100);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    dsc.bg_opa = LV_OPA_TRANSP;
    dsc.shadow_color = lv_color_white();
    dsc.shadow_width = 20;
    dsc.shadow_ofs_y = 5;
    lv_area_t a = {30, 30, 69, 69};
    lv_draw_rect(c.draw(), &dsc, &a);

    EXPECT_EQ(c.green(50, 50), 0) << "nothing under the object";
    /*Below the object (offset 5): strong near the shape's edge, weaker farther out, none beyond the blur*/
    int near = c.green(50, 72), mid = c.green(50, 80), far = c.green(50, 90);
    EXPECT_GT(near, mid);
    EXPECT_GT(mid, far);
    EXPECT_GT(near, 100);
    EXPECT_EQ(far, 0);
    /*The offset moves it down: more shadow below than above*/
    EXPECT_GT(c.green(50, 74), c.green(50, 25));
}

TEST_F(DrawRectTest, BackgroundSymbolIsCentredInTheRecolourColour)
{
    Canvas c(60, 60);
    lv_draw_rect_dsc_t dsc = white_rect(0);
    dsc.bg_opa = LV_OPA_TRANSP;
    dsc.bg_img_src = LV_SYMBOL_OK;
    dsc.bg_img_recolor = lv_color_hex(0x00FF00);
    dsc.bg_img_symbol_font = &lv_font_montserrat_20;
    lv_area_t a = {0, 0, 59, 59};
    lv_draw_rect(c.draw(), &dsc, &a);
    long sx = 0, sy = 0, n = 0;
    for(int y = 0; y < 60; y++) {
        for(int x = 0; x < 60; x++) {
            if(c.green(x, y) > 128) {
                EXPECT_EQ(c.red(x, y), 0);
                sx += x;
                sy += y;
                n++;
            }
        }
    }
    ASSERT_GT(n, 30);
    EXPECT_NEAR((double)sx / n, 30, 4);
    EXPECT_NEAR((double)sy / n, 30, 4);
}

}  // namespace
