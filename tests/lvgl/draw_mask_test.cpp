// Masks applied to single rows, the global mask list, blend modes and the
// blend step's handling of clipped sources and masks.
#include "lvgl_fixture.h"

namespace {

class DrawMaskTest : public LvglTest {};

std::vector<lv_opa_t> apply_row(int x, int y, int len)
{
    std::vector<lv_opa_t> row((size_t)len, 255);
    lv_draw_mask_apply(row.data(), (lv_coord_t)x, (lv_coord_t)y, (lv_coord_t)len);
    return row;
}

TEST_F(DrawMaskTest, RadiusMaskKeepsTheInsideOrTheOutside)
{
    lv_area_t rect = {10, 10, 49, 29};
    for(bool outer : {false, true}) {
        lv_draw_mask_radius_param_t p;
        lv_draw_mask_radius_init(&p, &rect, 6, outer);
        int16_t id = lv_draw_mask_add(&p, nullptr);
        std::vector<lv_opa_t> mid = apply_row(0, 20, 60);
        std::vector<lv_opa_t> corner = apply_row(0, 10, 60);
        std::vector<lv_opa_t> above = apply_row(0, 5, 60);
        lv_draw_mask_remove_id(id);

        auto in = [&](lv_opa_t v) { return outer ? 255 - v : v; };
        EXPECT_EQ(in(mid[5]), 0);
        EXPECT_EQ(in(mid[10]), 255);
        EXPECT_EQ(in(mid[49]), 255);
        EXPECT_EQ(in(mid[50]), 0);
        EXPECT_EQ(in(corner[10]), 0) << "the corner pixel is cut";
        EXPECT_EQ(in(corner[30]), 255);
        EXPECT_EQ(in(above[30]), 0);
    }
    EXPECT_EQ(lv_draw_mask_get_cnt(), 0);
}

// Coverage of pixel (x, y) by the rounded rectangle `rect` (radius already
// clamped), worked out on its own from the distance of the pixel centre to
// the nearest corner centre, in 1/16 px: what the mask must reproduce.
int reference_cover(const lv_area_t & rect, int r, int x, int y)
{
    if(x < rect.x1 || x > rect.x2 || y < rect.y1 || y > rect.y2) return 0;
    bool corner_col = x < rect.x1 + r || x > rect.x2 - r;
    bool corner_row = y < rect.y1 + r || y > rect.y2 - r;
    if(!corner_col || !corner_row) return 255;
    int64_t cx = x < rect.x1 + r ? rect.x1 + r : rect.x2 + 1 - r;
    int64_t cy = y < rect.y1 + r ? rect.y1 + r : rect.y2 + 1 - r;
    int64_t dx = x * 16 + 8 - cx * 16;
    int64_t dy = y * 16 + 8 - cy * 16;
    int64_t d = (int64_t)std::floor(std::sqrt((double)(dx * dx + dy * dy)));
    while(d * d > dx * dx + dy * dy) d--;
    while((d + 1) * (d + 1) <= dx * dx + dy * dy) d++;
    int64_t v = ((int64_t)r * 16 + 8 - d) * 255 / 16;
    return (int)std::max<int64_t>(0, std::min<int64_t>(255, v));
}

TEST_F(DrawMaskTest, RadiusMaskRowsMatchThePerPixelCoverageForEveryRunAndRadius)
{
    struct Case {
        lv_area_t rect;
        lv_coord_t radius;
        int clamped;
    };
    const Case cases[] = {
        {{10, 10, 49, 29}, 6, 6},
        {{3, 5, 302, 304}, LV_RADIUS_CIRCLE, 150},   /*an even circle*/
        {{0, 0, 30, 30}, LV_RADIUS_CIRCLE, 15},      /*an odd one: a middle column and row*/
        {{-20, 4, 80, 9}, 40, 3},                    /*clamped to half the short side*/
        {{5, 5, 20, 20}, 1, 1},
        {{5, 5, 20, 20}, 0, 0},
    };
    for(const Case & cs : cases) {
        for(bool outer : {false, true}) {
            lv_draw_mask_radius_param_t p;
            lv_draw_mask_radius_init(&p, &cs.rect, cs.radius, outer);
            int16_t id = lv_draw_mask_add(&p, nullptr);
            /*Whole rows plus runs that start or end inside a corner*/
            const int width = cs.rect.x2 - cs.rect.x1 + 1;
            const int starts[] = {cs.rect.x1 - 3, cs.rect.x1 + 1, cs.rect.x1 + width / 2, cs.rect.x2 - 2};
            for(int y = cs.rect.y1 - 2; y <= cs.rect.y2 + 2; y++) {
                for(int x0 : starts) {
                    int len = std::min(width + 6, cs.rect.x2 + 4 - x0);
                    std::vector<lv_opa_t> row((size_t)len, 200);
                    lv_draw_mask_res_t res = lv_draw_mask_apply(row.data(), (lv_coord_t)x0, (lv_coord_t)y, (lv_coord_t)len);
                    bool all_kept = true;
                    bool all_gone = true;
                    for(int i = 0; i < len; i++) {
                        int cover = reference_cover(cs.rect, cs.clamped, x0 + i, y);
                        if(outer) cover = 255 - cover;
                        all_kept &= cover == 255;
                        all_gone &= cover == 0;
                        int want = (200 * cover * 0x8081) >> 23;
                        if(res == LV_DRAW_MASK_RES_FULL_COVER) {
                            ASSERT_EQ(cover, 255) << "x " << x0 + i << " y " << y << " outer " << outer;
                        }
                        else {
                            ASSERT_EQ(row[(size_t)i], want) << "x " << x0 + i << " y " << y << " outer " << outer;
                        }
                    }
                    if(all_gone) EXPECT_EQ(res, LV_DRAW_MASK_RES_TRANSP) << "y " << y << " outer " << outer;
                    if(all_kept) EXPECT_EQ(res, LV_DRAW_MASK_RES_FULL_COVER) << "y " << y << " outer " << outer;
                }
            }
            lv_draw_mask_remove_id(id);
            lv_draw_mask_free_param(&p);
        }
    }
}

TEST_F(DrawMaskTest, ManyRadiiInTurnStillGiveEachItsOwnCorner)
{
    /*More radii than cached tables, used alternately, with a huge one whose
     *squared distances do not fit 32 bits*/
    const lv_coord_t radii[] = {2, 3, 5, 8, 13, 21, 34, 3000, 55, 89};
    for(int round = 0; round < 3; round++) {
        for(lv_coord_t r : radii) {
            lv_area_t rect = {0, 0, (lv_coord_t)(2 * r + 9), (lv_coord_t)(2 * r + 9)};
            lv_draw_mask_radius_param_t p;
            lv_draw_mask_radius_init(&p, &rect, r, false);
            int16_t id = lv_draw_mask_add(&p, nullptr);
            for(int y : {0, 1, r / 2, r - 1}) {
                std::vector<lv_opa_t> row((size_t)r + 2, 255);
                lv_draw_mask_apply(row.data(), 0, (lv_coord_t)y, (lv_coord_t)row.size());
                for(int x = 0; x < (int)row.size(); x++) {
                    ASSERT_EQ(row[(size_t)x], reference_cover(rect, r, x, y)) << "r " << r << " x " << x << " y " << y;
                }
            }
            lv_draw_mask_remove_id(id);
        }
    }
}

TEST_F(DrawMaskTest, AFullMaskListRefusesMoreMasksInsteadOfStopping)
{
    lv_area_t a = {0, 0, 9, 9};
    std::vector<lv_draw_mask_radius_param_t> params(_LV_MASK_MAX_NUM + 1);
    for(auto & p : params) lv_draw_mask_radius_init(&p, &a, 2, false);
    for(int i = 0; i < _LV_MASK_MAX_NUM; i++) EXPECT_EQ(lv_draw_mask_add(&params[(size_t)i], nullptr), i);
    EXPECT_EQ(lv_draw_mask_add(&params.back(), nullptr), LV_MASK_ID_INV);
    EXPECT_EQ(lv_draw_mask_get_cnt(), _LV_MASK_MAX_NUM);
    EXPECT_EQ(lv_draw_mask_remove_id(LV_MASK_ID_INV), nullptr);
    lv_draw_mask_remove_custom(nullptr);
    EXPECT_EQ(lv_draw_mask_get_cnt(), 0);
}

TEST_F(DrawMaskTest, MapAndPolygonMasks)
{
    lv_area_t a = {4, 0, 7, 1};
    const lv_opa_t map[8] = {0, 85, 170, 255, 255, 170, 85, 0};
    lv_draw_mask_map_param_t m;
    lv_draw_mask_map_init(&m, &a, map);
    int16_t id = lv_draw_mask_add(&m, nullptr);
    std::vector<lv_opa_t> row = apply_row(0, 1, 10);
    lv_draw_mask_remove_id(id);
    const lv_opa_t expected[10] = {255, 255, 255, 255, 255, 170, 85, 0, 255, 255};
    for(int i = 0; i < 10; i++) EXPECT_EQ(row[i], expected[i]) << i;

    /*A concave "U": the notch in the middle stays empty*/
    const lv_point_t u[] = {{0, 0}, {10, 0}, {10, 20}, {20, 20}, {20, 0}, {30, 0}, {30, 30}, {0, 30}};
    lv_draw_mask_polygon_param_t poly;
    lv_draw_mask_polygon_init(&poly, u, 8);
    id = lv_draw_mask_add(&poly, nullptr);
    std::vector<lv_opa_t> notch = apply_row(0, 10, 32);
    std::vector<lv_opa_t> base = apply_row(0, 25, 32);
    lv_draw_mask_remove_id(id);
    lv_draw_mask_free_param(&poly);
    EXPECT_EQ(notch[5], 255);
    EXPECT_EQ(notch[15], 0);
    EXPECT_EQ(notch[25], 255);
    EXPECT_EQ(notch[31], 0);
    EXPECT_EQ(base[15], 255);
}

TEST_F(DrawMaskTest, MasksAreRemovedByIdOrByOwner)
{
    lv_area_t a = {0, 0, 9, 9};
    lv_draw_mask_radius_param_t p1, p2, p3;
    lv_draw_mask_radius_init(&p1, &a, 2, false);
    lv_draw_mask_radius_init(&p2, &a, 2, false);
    lv_draw_mask_radius_init(&p3, &a, 2, false);
    int owner;
    int16_t id1 = lv_draw_mask_add(&p1, &owner);
    lv_draw_mask_add(&p2, &owner);
    lv_draw_mask_add(&p3, nullptr);
    EXPECT_EQ(lv_draw_mask_get_cnt(), 3);
    EXPECT_EQ(lv_draw_mask_remove_id(id1), &p1);
    EXPECT_EQ(lv_draw_mask_remove_custom(&owner), &p2);
    EXPECT_EQ(lv_draw_mask_get_cnt(), 1);
    lv_draw_mask_remove_custom(nullptr);
    EXPECT_EQ(lv_draw_mask_get_cnt(), 0);
    EXPECT_EQ(lv_draw_mask_remove_id(LV_MASK_ID_INV), nullptr);
}

TEST_F(DrawMaskTest, AnInsideRadiusMaskDoesNotCountForAreasWithinIt)
{
    lv_area_t holder = {0, 0, 99, 99};
    lv_draw_mask_radius_param_t p;
    lv_draw_mask_radius_init(&p, &holder, 20, false);
    lv_draw_mask_add(&p, nullptr);
    lv_area_t middle = {30, 30, 60, 60};
    lv_area_t corner = {0, 0, 5, 5};
    EXPECT_FALSE(lv_draw_mask_is_any(&middle));
    EXPECT_TRUE(lv_draw_mask_is_any(&corner));
    lv_draw_mask_remove_custom(nullptr);
}

TEST_F(DrawMaskTest, BlendModesCombineWithTheBackground)
{
    struct Case {
        lv_blend_mode_t mode;
        uint32_t expected;
    };
    /*Foreground 0x604020 over background 0x808080*/
    const Case cases[] = {
        {LV_BLEND_MODE_NORMAL, 0x604020},
        {LV_BLEND_MODE_ADDITIVE, 0xE0C0A0},
        {LV_BLEND_MODE_SUBTRACTIVE, 0x204060},
        {LV_BLEND_MODE_MULTIPLY, 0x302010},
        {LV_BLEND_MODE_REPLACE, 0x604020},
    };
    for(const Case & cs : cases) {
        Canvas c(4, 4, 0x808080);
        lv_draw_rect_dsc_t dsc;
        lv_draw_rect_dsc_init(&dsc);
        dsc.bg_color = lv_color_hex(0x604020);
        dsc.blend_mode = cs.mode;
        lv_area_t a = {0, 0, 3, 3};
        lv_draw_rect(c.draw(), &dsc, &a);
        uint32_t got = c.rgb(1, 1);
        for(int sh : {0, 8, 16}) {
            EXPECT_NEAR((int)((got >> sh) & 0xFF), (int)((cs.expected >> sh) & 0xFF), 1) << (int)cs.mode;
        }
    }
}

TEST_F(DrawMaskTest, BlendTakesClippedSourcesAndMasksAtTheirOwnStrides)
{
    /*A 6 x 4 source and mask; the clip cuts one column and one row on each side*/
    Canvas c(10, 10, 0x000000);
    lv_area_set(&c.clip, 3, 3, 6, 4);
    lv_area_t area = {2, 2, 7, 5};
    std::vector<lv_color_t> src(24);
    std::vector<lv_opa_t> mask(24);
    for(int i = 0; i < 24; i++) {
        src[(size_t)i] = lv_color_make((uint8_t)(i * 10), 0, 0);
        mask[(size_t)i] = (i % 6) == 3 ? 0 : 255;
    }
    lv_draw_sw_blend_dsc_t dsc = {};
    dsc.blend_area = &area;
    dsc.src_buf = src.data();
    dsc.mask_buf = mask.data();
    dsc.mask_area = &area;
    dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;
    dsc.opa = LV_OPA_COVER;
    lv_draw_sw_blend(c.draw(), &dsc);
    for(int y = 0; y < 10; y++) {
        for(int x = 0; x < 10; x++) {
            bool in_clip = x >= 3 && x <= 6 && y >= 3 && y <= 4;
            int i = (y - 2) * 6 + (x - 2);
            int expected = in_clip && (i % 6) != 3 ? i * 10 : 0;
            ASSERT_EQ(c.red(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace
