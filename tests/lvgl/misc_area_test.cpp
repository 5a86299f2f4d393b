// Areas, alignment, special coordinates and the integer maths under them.
#include "lvgl_fixture.h"

namespace {

TEST(MiscArea, IntersectionJoinAndSize)
{
    struct Case {
        lv_area_t a, b;
        bool overlap;
        lv_area_t common;
    };
    const Case cases[] = {
        {{0, 0, 9, 9}, {5, 5, 14, 14}, true, {5, 5, 9, 9}},
        {{0, 0, 9, 9}, {10, 0, 19, 9}, false, {}},
        {{0, 0, 9, 9}, {9, 9, 9, 9}, true, {9, 9, 9, 9}},
        {{-5, -5, 5, 5}, {-2, -8, 2, 8}, true, {-2, -5, 2, 5}},
    };
    for(const Case & cs : cases) {
        lv_area_t res;
        ASSERT_EQ(_lv_area_intersect(&res, &cs.a, &cs.b), cs.overlap);
        EXPECT_EQ(_lv_area_is_on(&cs.a, &cs.b), cs.overlap);
        if(cs.overlap) EXPECT_TRUE(_lv_area_is_equal(&res, &cs.common));
    }
    lv_area_t j;
    lv_area_t a = {0, 0, 9, 9}, b = {20, -3, 25, 4};
    _lv_area_join(&j, &a, &b);
    EXPECT_TRUE(_lv_area_is_equal(&j, &(const lv_area_t &)lv_area_t{0, -3, 25, 9}));
    EXPECT_EQ(lv_area_get_size(&a), 100u);
    lv_area_t empty = {5, 5, 4, 9};
    EXPECT_EQ(lv_area_get_size(&empty), 0u);
}

TEST(MiscArea, DifferenceCoversExactlyTheRest)
{
    lv_area_t a = {0, 0, 19, 19};
    lv_area_t hole = {5, 8, 9, 30};
    lv_area_t parts[4];
    int8_t n = _lv_area_diff(parts, &a, &hole);
    ASSERT_GT(n, 0);
    uint32_t total = 0;
    for(int i = 0; i < n; i++) {
        total += lv_area_get_size(&parts[i]);
        lv_area_t x;
        EXPECT_FALSE(_lv_area_intersect(&x, &parts[i], &hole));
        EXPECT_TRUE(_lv_area_is_in(&parts[i], &a, 0));
    }
    EXPECT_EQ(total, 400u - 5u * 12u);
    lv_area_t far = {50, 50, 60, 60};
    EXPECT_EQ(_lv_area_diff(parts, &a, &far), -1);
}

TEST(MiscArea, PointOnRoundedAreaExcludesCutCorners)
{
    lv_area_t a = {0, 0, 99, 49};
    struct Case {
        lv_point_t p;
        lv_coord_t radius;
        bool on;
    };
    const Case cases[] = {
        {{0, 0}, 0, true},    {{0, 0}, 10, false}, {{10, 0}, 10, true}, {{3, 3}, 10, true},
        {{1, 1}, 10, false},  {{99, 49}, 20, false}, {{50, 25}, 100, true}, {{100, 0}, 0, false},
    };
    for(const Case & cs : cases) {
        EXPECT_EQ(_lv_area_is_point_on(&a, &cs.p, cs.radius), cs.on) << cs.p.x << "," << cs.p.y << " r" << cs.radius;
    }
}

TEST(MiscArea, AlignPlacesTheAreaAtEachAnchor)
{
    const lv_area_t base = {100, 100, 199, 149};    /*100 x 50*/
    struct Case {
        lv_align_t align;
        lv_coord_t x, y;
    };
    /*A 20 x 10 area*/
    const Case cases[] = {
        {LV_ALIGN_TOP_LEFT, 100, 100},        {LV_ALIGN_TOP_MID, 140, 100},
        {LV_ALIGN_TOP_RIGHT, 180, 100},       {LV_ALIGN_BOTTOM_LEFT, 100, 140},
        {LV_ALIGN_BOTTOM_MID, 140, 140},      {LV_ALIGN_BOTTOM_RIGHT, 180, 140},
        {LV_ALIGN_LEFT_MID, 100, 120},        {LV_ALIGN_RIGHT_MID, 180, 120},
        {LV_ALIGN_CENTER, 140, 120},          {LV_ALIGN_OUT_TOP_LEFT, 100, 90},
        {LV_ALIGN_OUT_TOP_MID, 140, 90},      {LV_ALIGN_OUT_TOP_RIGHT, 180, 90},
        {LV_ALIGN_OUT_BOTTOM_LEFT, 100, 150}, {LV_ALIGN_OUT_BOTTOM_MID, 140, 150},
        {LV_ALIGN_OUT_BOTTOM_RIGHT, 180, 150}, {LV_ALIGN_OUT_LEFT_TOP, 80, 100},
        {LV_ALIGN_OUT_LEFT_MID, 80, 120},     {LV_ALIGN_OUT_LEFT_BOTTOM, 80, 140},
        {LV_ALIGN_OUT_RIGHT_TOP, 200, 100},   {LV_ALIGN_OUT_RIGHT_MID, 200, 120},
        {LV_ALIGN_OUT_RIGHT_BOTTOM, 200, 140},
    };
    for(const Case & cs : cases) {
        lv_area_t a = {0, 0, 19, 9};
        lv_area_align(&base, &a, cs.align, 3, -2);
        EXPECT_EQ(a.x1, cs.x + 3) << (int)cs.align;
        EXPECT_EQ(a.y1, cs.y - 2) << (int)cs.align;
        EXPECT_EQ(lv_area_get_width(&a), 20);
        EXPECT_EQ(lv_area_get_height(&a), 10);
    }
}

TEST(MiscArea, TransformedPointsTurnClockwiseAndScaleAroundThePivot)
{
    struct Case {
        lv_point_t p;
        int32_t angle;      /*0.1 degree*/
        int32_t zoom;
        lv_point_t want;
        int tolerance;
    };
    const lv_point_t pivot = {100, 50};
    const Case cases[] = {
        {{110, 50}, 0, 512, {120, 50}, 0},
        {{110, 50}, 0, 128, {105, 50}, 0},
        {{110, 50}, 900, 256, {100, 60}, 1},        /*right of the pivot turns to below it*/
        {{110, 50}, 1800, 256, {90, 50}, 1},
        {{100, 40}, 450, 256, {107, 43}, 1},
        {{110, 50}, 900, 512, {100, 70}, 1},
        /*far away and zoomed: the products exceed 32 bits*/
        {{8100, 50}, 1800, 1024, {100 - 32000, 50}, 40},
        {{100, 8000}, 900, 768, {100 - 23850, 50}, 40},
    };
    for(const Case & cs : cases) {
        lv_point_t p = cs.p;
        lv_point_transform(&p, cs.angle, cs.zoom, &pivot);
        EXPECT_NEAR(p.x, cs.want.x, cs.tolerance) << cs.angle << " " << cs.zoom;
        EXPECT_NEAR(p.y, cs.want.y, cs.tolerance) << cs.angle << " " << cs.zoom;
    }
}

TEST(MiscArea, RoundedHoldersContainOrAvoidAreasByTheirCorners)
{
    const lv_area_t holder = {0, 0, 99, 59};
    struct Case {
        lv_area_t a;
        lv_coord_t radius;
        bool in, out;
    };
    const Case cases[] = {
        {{10, 10, 89, 49}, 20, true, false},
        {{0, 0, 10, 10}, 0, true, false},
        {{0, 0, 10, 10}, 20, false, false},     /*its corner pixel is cut off*/
        {{0, 0, 2, 2}, 20, false, true},        /*wholly in the cut-off corner*/
        {{100, 0, 120, 10}, 0, false, true},
        {{90, 50, 120, 70}, 0, false, false},
        {{-5, 20, 4, 30}, 10, false, false},
    };
    for(const Case & cs : cases) {
        EXPECT_EQ(_lv_area_is_in(&cs.a, &holder, cs.radius), cs.in) << cs.a.x1 << "," << cs.a.y1;
        EXPECT_EQ(_lv_area_is_out(&cs.a, &holder, cs.radius), cs.out) << cs.a.x1 << "," << cs.a.y1;
    }
}

TEST(MiscArea, PercentAndContentSizeAreDistinctSpecialCoordinates)
{
    for(lv_coord_t v : {0, 1, 50, 100, 1000, -1, -50, -100}) {
        lv_coord_t c = lv_pct(v);
        EXPECT_TRUE(LV_COORD_IS_PCT(c)) << v;
        EXPECT_FALSE(LV_COORD_IS_PX(c)) << v;
        EXPECT_EQ(LV_COORD_GET_PCT(c), v);
    }
    EXPECT_FALSE(LV_COORD_IS_PCT(LV_SIZE_CONTENT));
    EXPECT_TRUE(LV_COORD_IS_SPEC(LV_SIZE_CONTENT));
    EXPECT_TRUE(LV_COORD_IS_PX(-200));
    EXPECT_TRUE(LV_COORD_IS_PX(LV_COORD_MAX));
    EXPECT_EQ(sizeof(lv_coord_t), 2u);
}

}  // namespace
